#include "vontarelis/model/ModelTestBase.h"

#include "vontarelis/model/DetalleGuiaDespacho.h"

#include <QFile>

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
                                     QString(), QString(), QString(), QString(), QString(), 2019);
        guia = newGuide();
        guia.setId(42);
        guia.setIdVehiculo(vehicleId);
        guia.setHoraRegistro(QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)));
        guia.setFacturas(1234);
    }

    // Every name answers with that value and type (when given) and text.
    void expectSame(const QStringList &names, const QVariant &value, const QString &text)
    {
        for (const QString &name : names) {
            const Answer answer = eval(guia, name);
            EXPECT_TRUE(answer.answered) << name.toStdString();
            if (value.isValid()) {
                EXPECT_EQ(answer.value, value) << name.toStdString();
                EXPECT_EQ(answer.value.metaType(), value.metaType()) << name.toStdString();
            }
            EXPECT_EQ(answer.text, QVariant(text)) << name.toStdString();
        }
    }

    // Site scripts in the host's data folder: the guide's answers four names, the lines' one.
    void writeScripts()
    {
        writeFile(QStringLiteral("evGuiaDespacho.js"), R"(function EvalVar(doc, name) {
    if (["NUMERO", "PLACAS", "EMPRESA", "NUEVA"].includes(name)) return { value: 7, text: "guion " + name };
})");
        writeFile(QStringLiteral("evDetalleGD.js"), R"(function EvalVar(doc, name) {
    if (name === "DESCRIPCION") return { value: "d", text: "guion" };
})");
    }

    void writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(host.dataPath() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    qint32 vehicleId = 0;
    GuiaDespacho guia;
};

TEST_F(GuiaVariablesTest, EveryGroupOfNamesAnswersTheGuidesFieldInAnyLetterCase)
{
    const QString pedro = QStringLiteral("Pedro Pérez");
    const QString maria = QStringLiteral("María Gómez");
    const struct
    {
        QStringList names;
        QVariant value;
        QString text;
    } cases[] = {
        {{"NUMERO", "numero", "Numero"}, 42, "000042"},
        {{"CODIGO_CONDUCTOR", "CONDUCTOR", "chofer"}, "C01", "C01"},
        {{"NOMBRE_CONDUCTOR", "NombreConductor"}, pedro, pedro},
        {{"CODIGOVENDEDOR", "VENDEDOR", "codigo_vendedor"}, "V01", "V01"},
        {{"NOMBREVENDEDOR", "NOMBRE_VENDEDOR", "NombreVend"}, maria, maria},
        {{"OPERADOR"}, "OPERADOR", "OPERADOR"},
        {{"CODIGOZONA"}, "Z1", "Z1"},
        {{"ZONA", "ZonaDespacho"}, "Centro", "Centro"},
        {{"FECHA"}, QDateTime(QDate(2024, 3, 15), QTime(0, 0)), "3/15/24"},
        {{"FechaRegistro"}, QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)), "3/16/24"},
        {{"FACTURAS", "NFACTURAS", "QFACTURAS"}, QVariant::fromValue(qint16(1234)), "1,234"},
        {{"PESO", "PESOTOTAL", "KILOS"}, 1500.5, "1,500.500"},
        {{"VALORNETO", "TOTALPRECIOVENTA"}, QVariant::fromValue(Currency::fromRaw(12345678)), "1,234.57"},
        {{"TOTALIVA", "iva"}, QVariant::fromValue(Currency::fromRaw(1975308)), "197.53"},
        {{"TOTALGENERAL", "T_APAGAR", "TAPAGAR"}, QVariant::fromValue(Currency::fromRaw(14320986)), "1,432.10"},
    };
    for (const auto &c : cases)
        expectSame(c.names, c.value, c.text);

    guia.setId(1234567);
    expectSame({QStringLiteral("NUMERO")}, 1234567, QStringLiteral("1234567"));
    // Names are read at each evaluation.
    host.exec(QStringLiteral("UPDATE Vendedores SET Nombre = 'María G. de Rojas' WHERE Codigo = 'V01'"));
    expectSame({QStringLiteral("NOMBREVENDEDOR")}, {}, QStringLiteral("María G. de Rojas"));
    // A zone without a row still answers, with what the host's read gives for no row.
    guia.setZona(QStringLiteral("Z9"));
    const Answer unknownZone = eval(guia, QStringLiteral("ZONA"));
    EXPECT_TRUE(unknownZone.answered);
    EXPECT_FALSE(unknownZone.value.isValid());
    EXPECT_FALSE(unknownZone.text.isValid());
}

TEST_F(GuiaVariablesTest, FiguresAndDatesFollowTheLocaleAndTheCompanyMask)
{
    {
        testsupport::LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        expectSame({QStringLiteral("PESO")}, {}, QStringLiteral("1.500,500"));
        expectSame({QStringLiteral("FACTURAS")}, {}, QStringLiteral("1.234"));
    }
    {
        testsupport::LocaleScope spanish(QLocale(QLocale::Spanish, QLocale::Venezuela));
        expectSame({QStringLiteral("FECHA")}, {}, QStringLiteral("15/3/24"));
    }

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

TEST_F(GuiaVariablesTest, TheSiteScriptComesFirstThenTheGuideTheVehicleAndTheCompany)
{
    writeScripts();
    for (const char *name : {"NUMERO", "PLACAS", "EMPRESA", "NUEVA"})
        expectSame({QString::fromLatin1(name)}, {}, QStringLiteral("guion ") + QString::fromLatin1(name));
    EXPECT_EQ(eval(guia, QStringLiteral("NUMERO")).value.toInt(), 7);
    // Names the script passes on, as the format wrote them.
    expectSame({QStringLiteral("numero")}, 42, QStringLiteral("000042"));
    expectSame({QStringLiteral("placas")}, QStringLiteral("AB123CD"), QStringLiteral("AB123CD"));
    expectSame({QStringLiteral("tipo")}, QStringLiteral("CAMION 350"), QStringLiteral("CAMION 350"));
    EXPECT_EQ(eval(guia, QStringLiteral("año")).value, QVariant::fromValue(qint16(2019)));
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
    EXPECT_FALSE(eval(guia, QStringLiteral("placas")).answered);
    EXPECT_TRUE(eval(guia, QStringLiteral("rif")).answered);
}

TEST_F(GuiaVariablesTest, LinesKnowTheirScriptAndTheirOwnFourNamesOnly)
{
    host.setCompany(1.0, QStringLiteral("#,##0.00"), QStringLiteral("#,##0.00"), QStringLiteral("#,##0.000"));
    vontarelis::InitHostContext(host.framework());
    writeScripts();
    DetalleGuiaDespacho line;
    line.setCodigoItem(QStringLiteral("CEM"));
    line.setDescripcion(QStringLiteral("Cemento gris"));
    line.setUnidades(1234.5);
    line.setPeso(52466.25);

    const std::tuple<QString, QVariant, QString> cases[] = {
        {QStringLiteral("codigo"), QStringLiteral("CEM"), QStringLiteral("CEM")},
        {QStringLiteral("CANTIDAD"), 1234.5, QStringLiteral("1,234.500")},
        {QStringLiteral("TotalPeso"), 52466.25, QStringLiteral("52,466.250")},
        {QStringLiteral("DESCRIPCION"), QStringLiteral("d"), QStringLiteral("guion")},
    };
    for (const auto &[name, value, text] : cases) {
        const Answer answer = eval(line, name);
        EXPECT_TRUE(answer.answered) << name.toStdString();
        EXPECT_EQ(answer.value, value) << name.toStdString();
        EXPECT_EQ(answer.text, QVariant(text)) << name.toStdString();
    }
    // Neither the guide's script, the vehicle nor the company.
    for (const QString &name : {QStringLiteral("NUMERO"), QStringLiteral("PLACAS"), QStringLiteral("rif")}) {
        QVariant value = QStringLiteral("antes");
        QVariant text = QStringLiteral("antes");
        EXPECT_FALSE(line.EvalVar(name, value, text)) << name.toStdString();
        EXPECT_EQ(value, QVariant(QStringLiteral("antes")));
        EXPECT_EQ(text, QVariant(QStringLiteral("antes")));
    }
}

} // namespace
