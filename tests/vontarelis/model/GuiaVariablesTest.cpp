#include "vontarelis/model/ModelTestBase.h"
#include "vontarelis/model/ScriptTableFramework.h"

#include "vontarelis/model/DetalleGuiaDespacho.h"

using modeltest::ModelTestBase;
using toolkit::Currency;
using vontarelis::DetalleGuiaDespacho;
using vontarelis::GuiaDespacho;

namespace {

struct Answer
{
    bool answered = false;
    QVariant value;
    QVariant text;
};

Answer eval(host::IDocument &document, const QString &name)
{
    Answer answer;
    answer.answered = document.EvalVar(name, answer.value, answer.text);
    return answer;
}

class GuiaVariablesTest : public ModelTestBase
{
protected:
    GuiaVariablesTest()
    {
        host.addVendedor(QStringLiteral("C01"), QStringLiteral("Pedro Pérez"), true);
        host.addVendedor(QStringLiteral("V01"), QStringLiteral("María Gómez"));
        host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
        vehicleId = host.addVehiculo(host.addTipoVehiculo(QStringLiteral("CAMION 350")), QStringLiteral("AB123CD"),
                                     QStringLiteral("Ford"), QStringLiteral("F-350"), QStringLiteral("Blanco"),
                                     QStringLiteral("NIV-1"), QStringLiteral("MOT-1"), 2019);
        guia = newGuide();
        guia.setId(42);
        guia.setIdVehiculo(vehicleId);
        guia.setHoraRegistro(QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)));
        guia.setFacturas(1234);
    }

    void expectSame(const QStringList &names, const QVariant &value, const QString &text)
    {
        for (const QString &name : names) {
            const Answer answer = eval(guia, name);
            EXPECT_TRUE(answer.answered) << name.toStdString();
            EXPECT_EQ(answer.value, value) << name.toStdString();
            EXPECT_EQ(answer.text, QVariant(text)) << name.toStdString();
        }
    }

    qint32 vehicleId = 0;
    GuiaDespacho guia;
};

TEST_F(GuiaVariablesTest, NumberIsZeroPaddedToSixDigitsInAnyLetterCase)
{
    expectSame({QStringLiteral("NUMERO"), QStringLiteral("numero"), QStringLiteral("Numero")}, 42,
               QStringLiteral("000042"));
    EXPECT_EQ(eval(guia, QStringLiteral("NUMERO")).value.typeId(), QMetaType::Int);
    guia.setId(1234567);
    expectSame({QStringLiteral("numero")}, 1234567, QStringLiteral("1234567"));
}

TEST_F(GuiaVariablesTest, DriverSalespersonAndZoneAnswerCodesNamesAndDescription)
{
    expectSame({QStringLiteral("CODIGO_CONDUCTOR"), QStringLiteral("CONDUCTOR"), QStringLiteral("chofer")},
               QStringLiteral("C01"), QStringLiteral("C01"));
    expectSame({QStringLiteral("NOMBRE_CONDUCTOR"), QStringLiteral("NombreConductor")}, QStringLiteral("Pedro Pérez"),
               QStringLiteral("Pedro Pérez"));
    expectSame({QStringLiteral("CODIGOVENDEDOR"), QStringLiteral("VENDEDOR"), QStringLiteral("codigo_vendedor")},
               QStringLiteral("V01"), QStringLiteral("V01"));
    expectSame({QStringLiteral("NOMBREVENDEDOR"), QStringLiteral("NOMBRE_VENDEDOR"), QStringLiteral("NombreVend")},
               QStringLiteral("María Gómez"), QStringLiteral("María Gómez"));
    expectSame({QStringLiteral("OPERADOR")}, QStringLiteral("OPERADOR"), QStringLiteral("OPERADOR"));
    expectSame({QStringLiteral("CODIGOZONA")}, QStringLiteral("Z1"), QStringLiteral("Z1"));
    expectSame({QStringLiteral("ZONA"), QStringLiteral("ZonaDespacho")}, QStringLiteral("Centro"),
               QStringLiteral("Centro"));

    // A zone without a row still answers, with what the host's read gives for no row.
    guia.setZona(QStringLiteral("Z9"));
    const Answer unknownZone = eval(guia, QStringLiteral("ZONA"));
    EXPECT_TRUE(unknownZone.answered);
    EXPECT_FALSE(unknownZone.value.isValid());
    EXPECT_FALSE(unknownZone.text.isValid());
}

TEST_F(GuiaVariablesTest, DatesShowTheLocalesShortDateOnly)
{
    const Answer fecha = eval(guia, QStringLiteral("FECHA"));
    EXPECT_TRUE(fecha.answered);
    EXPECT_EQ(fecha.value, QVariant(QDateTime(QDate(2024, 3, 15), QTime(0, 0))));
    EXPECT_EQ(fecha.text, QVariant(QStringLiteral("3/15/24")));

    const Answer registro = eval(guia, QStringLiteral("FechaRegistro"));
    EXPECT_TRUE(registro.answered);
    EXPECT_EQ(registro.value, QVariant(QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10))));
    EXPECT_EQ(registro.text, QVariant(QStringLiteral("3/16/24")));

    testsupport::LocaleScope spanish(QLocale(QLocale::Spanish, QLocale::Venezuela));
    EXPECT_EQ(eval(guia, QStringLiteral("FECHA")).text, QVariant(QStringLiteral("15/3/24")));
}

TEST_F(GuiaVariablesTest, CountAndWeightAreGroupedWithTheLocalesSeparators)
{
    expectSame({QStringLiteral("FACTURAS"), QStringLiteral("NFACTURAS"), QStringLiteral("QFACTURAS")},
               QVariant::fromValue(qint16(1234)), QStringLiteral("1,234"));
    expectSame({QStringLiteral("PESO"), QStringLiteral("PESOTOTAL"), QStringLiteral("KILOS")}, 1500.5,
               QStringLiteral("1,500.500"));

    testsupport::LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(eval(guia, QStringLiteral("PESO")).text, QVariant(QStringLiteral("1.500,500")));
    EXPECT_EQ(eval(guia, QStringLiteral("FACTURAS")).text, QVariant(QStringLiteral("1.234")));
}

TEST_F(GuiaVariablesTest, MoneyUsesTheCompanyMaskAndTheTotalIsAnExactFixedPointSum)
{
    expectSame({QStringLiteral("VALORNETO"), QStringLiteral("TOTALPRECIOVENTA")},
               QVariant::fromValue(Currency::fromRaw(12345678)), QStringLiteral("1,234.57"));
    expectSame({QStringLiteral("TOTALIVA"), QStringLiteral("iva")}, QVariant::fromValue(Currency::fromRaw(1975308)),
               QStringLiteral("197.53"));
    expectSame({QStringLiteral("TOTALGENERAL"), QStringLiteral("T_APAGAR"), QStringLiteral("TAPAGAR")},
               QVariant::fromValue(Currency::fromRaw(14320986)), QStringLiteral("1,432.10"));

    // The mask is read at each evaluation, from the company of the current context.
    host.setCompany(1.0, QStringLiteral("#,##0.0000"));
    vontarelis::InitHostContext(host.framework());
    // Beyond the 15 to 16 digits a double holds, so a sum in floating point would be off.
    guia.setTotalPrecioVenta(Currency::fromRaw(9007199254740993));
    guia.setTotalIVA(Currency::fromRaw(1));
    const Answer total = eval(guia, QStringLiteral("TOTALGENERAL"));
    EXPECT_EQ(total.value.metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(total.value.value<Currency>().raw(), 9007199254740994);
    EXPECT_EQ(total.text, QVariant(QStringLiteral("900,719,925,474.0994")));
}

TEST_F(GuiaVariablesTest, UnknownNamesFallToTheVehicleAndThenToTheCompany)
{
    expectSame({QStringLiteral("PLACAS")}, QStringLiteral("AB123CD"), QStringLiteral("AB123CD"));
    expectSame({QStringLiteral("tipo")}, QStringLiteral("CAMION 350"), QStringLiteral("CAMION 350"));
    const Answer anho = eval(guia, QStringLiteral("año"));
    EXPECT_TRUE(anho.answered);
    EXPECT_EQ(anho.value, QVariant::fromValue(qint16(2019)));

    expectSame({QStringLiteral("EMPRESA")}, QStringLiteral("Distribuidora de Prueba, C.A."),
               QStringLiteral("Distribuidora de Prueba, C.A."));
    expectSame({QStringLiteral("rif")}, QStringLiteral("J-00000000-0"), QStringLiteral("J-00000000-0"));

    // Nobody knows it: the company's answer, with the vehicle's empty result in the value
    // and the caller's text untouched.
    QVariant value = QStringLiteral("antes");
    QVariant text = QStringLiteral("texto del llamador");
    EXPECT_FALSE(guia.EvalVar(QStringLiteral("NOEXISTE"), value, text));
    EXPECT_FALSE(value.isValid());
    EXPECT_EQ(text, QVariant(QStringLiteral("texto del llamador")));

    // A guide without a stored vehicle goes straight on to the company.
    guia.setIdVehiculo(vehicleId + 50);
    EXPECT_FALSE(eval(guia, QStringLiteral("PLACAS")).answered);
    EXPECT_TRUE(eval(guia, QStringLiteral("EMPRESA")).answered);
}

TEST_F(GuiaVariablesTest, TheSiteScriptIsAskedFirstAndTakesPrecedence)
{
    modeltest::ScriptTableFramework scripted(host.framework());
    scripted.answer(QStringLiteral("NUMERO"), 7, QStringLiteral("siete"));
    scripted.answer(QStringLiteral("PLACAS"), QStringLiteral("XX"), QStringLiteral("placa del guion"));
    scripted.answer(QStringLiteral("EMPRESA"), 1, 2.5);
    scripted.answer(QStringLiteral("NUEVA"), QStringLiteral("v"), QStringLiteral("variable nueva"));
    vontarelis::InitHostContext(scripted);

    expectSame({QStringLiteral("NUMERO")}, 7, QStringLiteral("siete"));
    expectSame({QStringLiteral("PLACAS")}, QStringLiteral("XX"), QStringLiteral("placa del guion"));
    expectSame({QStringLiteral("NUEVA")}, QStringLiteral("v"), QStringLiteral("variable nueva"));
    // The text of an answer arrives as text.
    expectSame({QStringLiteral("EMPRESA")}, 1, QStringLiteral("2.5"));
    // Names the script passes on reach the guide, with the name as the format wrote it.
    expectSame({QStringLiteral("numero")}, 42, QStringLiteral("000042"));
    EXPECT_TRUE(scripted.scriptFiles.count() >= 5);
    EXPECT_EQ(scripted.scriptFiles.count(QStringLiteral("evGuiaDespacho.vbs")), scripted.scriptFiles.count());

    // ExtendEval alone: the script's own outputs, or nothing touched.
    QVariant value = QStringLiteral("antes");
    QVariant text = QStringLiteral("antes");
    EXPECT_FALSE(guia.ExtendEval(QStringLiteral("CONDUCTOR"), value, text));
    EXPECT_EQ(value, QVariant(QStringLiteral("antes")));
    EXPECT_EQ(text, QVariant(QStringLiteral("antes")));
    EXPECT_TRUE(guia.ExtendEval(QStringLiteral("EMPRESA"), value, text));
    EXPECT_EQ(value, QVariant(1));
    EXPECT_EQ(text, QVariant(2.5));
}

TEST_F(GuiaVariablesTest, LinesKnowOnlyTheirOwnFourNames)
{
    host.setCompany(1.0, QStringLiteral("#,##0.00"), QStringLiteral("#,##0.00"), QStringLiteral("#,##0.000"));
    modeltest::ScriptTableFramework scripted(host.framework());
    scripted.answer(QStringLiteral("DESCRIPCION"), QStringLiteral("d"), QStringLiteral("descripción del guion"));
    vontarelis::InitHostContext(scripted);

    DetalleGuiaDespacho line;
    line.setCodigoItem(QStringLiteral("CEM"));
    line.setDescripcion(QStringLiteral("Cemento gris"));
    line.setUnidades(1234.5);
    line.setPeso(52466.25);

    const Answer codigo = eval(line, QStringLiteral("codigo"));
    EXPECT_TRUE(codigo.answered);
    EXPECT_EQ(codigo.value, QVariant(QStringLiteral("CEM")));
    EXPECT_EQ(codigo.text, QVariant(QStringLiteral("CEM")));
    const Answer cantidad = eval(line, QStringLiteral("CANTIDAD"));
    EXPECT_TRUE(cantidad.answered);
    EXPECT_EQ(cantidad.value, QVariant(1234.5));
    EXPECT_EQ(cantidad.text, QVariant(QStringLiteral("1,234.500")));
    const Answer peso = eval(line, QStringLiteral("TotalPeso"));
    EXPECT_TRUE(peso.answered);
    EXPECT_EQ(peso.value, QVariant(52466.25));
    EXPECT_EQ(peso.text, QVariant(QStringLiteral("52,466.250")));
    const Answer descripcion = eval(line, QStringLiteral("DESCRIPCION"));
    EXPECT_EQ(descripcion.text, QVariant(QStringLiteral("descripción del guion")));

    for (const QString &name : {QStringLiteral("PLACAS"), QStringLiteral("EMPRESA"), QStringLiteral("NUMERO")}) {
        QVariant value = QStringLiteral("antes");
        QVariant text = QStringLiteral("antes");
        EXPECT_FALSE(line.EvalVar(name, value, text)) << name.toStdString();
        EXPECT_EQ(value, QVariant(QStringLiteral("antes")));
        EXPECT_EQ(text, QVariant(QStringLiteral("antes")));
    }
    EXPECT_EQ(scripted.scriptFiles.count(QStringLiteral("evDetalleGD.vbs")), scripted.scriptFiles.count());
    EXPECT_FALSE(scripted.scriptFiles.isEmpty());
}

} // namespace
