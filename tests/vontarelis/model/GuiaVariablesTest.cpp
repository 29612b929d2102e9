#include "vontarelis/model/ModelTestBase.h"

#include "toolkit/Error.h"
#include "vontarelis/model/DetalleGuiaDespacho.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void expectAnswer(host::IDocument &document, const QString &name, const QVariant &value, const QString &text)
{
    const Answer answer = eval(document, name);
    EXPECT_TRUE(answer.answered) << name.toStdString();
    if (value.isValid()) {
        EXPECT_EQ(answer.value, value) << name.toStdString();
        EXPECT_EQ(answer.value.metaType(), value.metaType()) << name.toStdString();
    }
    EXPECT_EQ(answer.text, QVariant(text)) << name.toStdString();
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
        line.setCodigoItem(QStringLiteral("CEM"));
        line.setDescripcion(QStringLiteral("Cemento gris"));
        line.setUnidades(1234.5);
        line.setPeso(52466.25);
    }

    // Every name answers with that value and type (when given) and text.
    void expectSame(const QStringList &names, const QVariant &value, const QString &text)
    {
        for (const QString &name : names)
            expectAnswer(guia, name, value, text);
    }

    // Site scripts in the host's data folder. The guide's may not change the document it reads.
    void writeScripts()
    {
        writeFile(QStringLiteral("evGuiaDespacho.js"), R"(function EvalVar(doc, name) {
    doc.id = 999;
    if (["NUMERO", "PLACAS", "EMPRESA"].includes(name)) return { value: doc.id * 10, text: "guion " + doc.id };
    if (name === "RESUMEN")
        return { value: 1, text: [doc.codigoConductor, doc.zona, doc.facturas, doc.totalPeso,
                                  doc.totalPrecioVenta, doc.fecha.getFullYear(), doc.Cerrada].join("|") };
    if (name === "SINTEXTO") return { value: 7 };
    if (name === "CONDUCTOR") return null;
})");
        writeFile(QStringLiteral("evDetalleGD.js"), R"(function EvalVar(doc, name) {
    if (name === "DESCRIPCION") return { value: doc.peso / doc.unidades, text: doc.codigoItem + " " + doc.descripcion };
})");
    }

    void writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(host.dataPath() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    qint32 vehicleId = 0;
    GuiaDespacho guia;
    DetalleGuiaDespacho line;
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
        {{"FECHA"}, QDateTime(QDate(2024, 3, 15), QTime(0, 0)), "03/15/2024"},
        {{"FechaRegistro"}, QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)), "03/16/2024"},
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
        expectSame({QStringLiteral("FECHA")}, {}, QStringLiteral("15/03/2024"));
    }

    // The mask is read at each evaluation, from the company of the current context.
    host.setCompany(1.0, QStringLiteral("#,##0.0000"));
    vontarelis::InitHostContext(host.framework());
    // Far beyond the digits a double holds, so a sum in floating point would lose the last places.
    guia.setTotalPrecioVenta(Currency::fromRaw(9000000000000000001));
    guia.setTotalIVA(Currency::fromRaw(1));
    const Answer total = eval(guia, QStringLiteral("TOTALGENERAL"));
    EXPECT_EQ(total.value.metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(total.value.value<Currency>().raw(), 9000000000000000002);
    EXPECT_EQ(total.text, QVariant(QStringLiteral("900,000,000,000,000.0002")));
}

TEST_F(GuiaVariablesTest, TheSiteScriptComesFirstThenTheGuideTheVehicleAndTheCompany)
{
    writeScripts();
    for (const char *name : {"NUMERO", "PLACAS", "EMPRESA"})
        expectSame({QString::fromLatin1(name)}, {}, QStringLiteral("guion 42"));
    EXPECT_EQ(eval(guia, QStringLiteral("NUMERO")).value.toInt(), 420);
    EXPECT_EQ(guia.id(), 42);
    expectSame({QStringLiteral("RESUMEN")}, {}, QStringLiteral("C01|Z1|1234|1500.5|1234.5678|2024|false"));
    expectSame({QStringLiteral("SINTEXTO")}, {}, QStringLiteral("7"));
    // Names the script passes on, as the format wrote them.
    expectSame({QStringLiteral("CONDUCTOR")}, QStringLiteral("C01"), QStringLiteral("C01"));
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

    // A script that defines no EvalVar answers nothing.
    writeFile(QStringLiteral("evGuiaDespacho.js"), "var version = 2;\n");
    expectSame({QStringLiteral("NUMERO")}, 42, QStringLiteral("000042"));
}

TEST_F(GuiaVariablesTest, LinesKnowTheirScriptAndTheirOwnFourNamesOnly)
{
    host.setCompany(1.0, QStringLiteral("#,##0.00"), QStringLiteral("#,##0.00"), QStringLiteral("#,##0.000"));
    vontarelis::InitHostContext(host.framework());
    writeScripts();
    const std::tuple<QString, QVariant, QString> cases[] = {
        {QStringLiteral("codigo"), QStringLiteral("CEM"), QStringLiteral("CEM")},
        {QStringLiteral("CANTIDAD"), 1234.5, QStringLiteral("1,234.500")},
        {QStringLiteral("TotalPeso"), 52466.25, QStringLiteral("52,466.250")},
        {QStringLiteral("DESCRIPCION"), 42.5, QStringLiteral("CEM Cemento gris")},
    };
    for (const auto &[name, value, text] : cases)
        expectAnswer(line, name, value, text);
    // Neither the guide's script, the vehicle nor the company.
    for (const QString &name : {QStringLiteral("NUMERO"), QStringLiteral("PLACAS"), QStringLiteral("rif")}) {
        QVariant value = QStringLiteral("antes");
        QVariant text = QStringLiteral("antes");
        EXPECT_FALSE(line.EvalVar(name, value, text)) << name.toStdString();
        EXPECT_EQ(value, QVariant(QStringLiteral("antes")));
        EXPECT_EQ(text, QVariant(QStringLiteral("antes")));
    }
}

TEST_F(GuiaVariablesTest, AScriptErrorReachesTheCallerWithFileAndLine)
{
    writeFile(QStringLiteral("evGuiaDespacho.js"), "function EvalVar(doc, name) {\n"
                                                   "    if (name === 'NUMERO')\n"
                                                   "        return { value: 1, text: sinDefinir.texto };\n"
                                                   "    if (name === 'FECHA')\n"
                                                   "        throw new Error('fecha prohibida');\n"
                                                   "    if (name === 'PESO') return 'no es un objeto';\n"
                                                   "}\n");
    writeFile(QStringLiteral("evDetalleGD.js"), "function EvalVar(doc, name) {\n  return {;\n}\n");
    const struct
    {
        host::IDocument *document;
        const char *name;
        QStringList fragments;
    } cases[] = {
        {&guia, "NUMERO", {"evGuiaDespacho.js", "línea 3", "sinDefinir"}},
        {&guia, "FECHA", {"línea 5", "fecha prohibida"}},
        {&guia, "PESO", {"evGuiaDespacho.js"}},
        {&line, "CODIGO", {"evDetalleGD.js", "línea 2"}},
    };
    for (const auto &c : cases) {
        try {
            eval(*c.document, QString::fromLatin1(c.name));
            ADD_FAILURE() << "no error for " << c.name;
        } catch (const toolkit::Error &error) {
            EXPECT_EQ(error.number(), toolkit::ErrScript) << c.name;
            for (const QString &fragment : c.fragments)
                EXPECT_TRUE(error.description().contains(fragment)) << c.name << ": " << error.description().toStdString();
        }
    }
}

TEST_F(GuiaVariablesTest, TheShippedSamplesWorkOnceInstalled)
{
    const QDir shipped = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../../data"));
    for (const QString &script : {QStringLiteral("evGuiaDespacho.js"), QStringLiteral("evDetalleGD.js")})
        ASSERT_TRUE(QFile::copy(shipped.filePath(script + QStringLiteral(".sample")), host.dataPath() + script));

    expectSame({QStringLiteral("numero")}, {}, QStringLiteral("GD-000042"));
    expectSame({QStringLiteral("TONELADAS")}, {}, QStringLiteral("1.50 t"));
    expectSame({QStringLiteral("CONDUCTOR")}, {}, QStringLiteral("C01"));
    expectAnswer(line, QStringLiteral("DESCRIPCION"), {}, QStringLiteral("CEM Cemento gris"));
    expectAnswer(line, QStringLiteral("PESOUNITARIO"), {}, QStringLiteral("42.500"));
    expectAnswer(line, QStringLiteral("CODIGO"), {}, QStringLiteral("CEM"));
    line.setUnidades(0);
    expectAnswer(line, QStringLiteral("PESOUNITARIO"), {}, QString(""));
}

} // namespace
