#include "vontarelis/model/ModelTestBase.h"

#include "toolkit/Error.h"
#include "vontarelis/model/DetalleGuiaDespacho.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;
using modeltest::ModelTestBase;
using toolkit::Currency;

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

// The name answers with that text and, when given, that value of that type.
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

// A name nobody knows leaves the caller's value and text untouched.
void expectUnanswered(host::IDocument &document, const QString &name)
{
    QVariant value = u"antes"_s;
    QVariant text = u"antes"_s;
    EXPECT_FALSE(document.EvalVar(name, value, text)) << name.toStdString();
    EXPECT_EQ(QVariantList({value, text}), QVariantList({u"antes"_s, u"antes"_s})) << name.toStdString();
}

class GuiaVariablesTest : public ModelTestBase
{
protected:
    GuiaVariablesTest()
    {
        host.addVendedor("C01", "Pedro Pérez", true);
        host.addVendedor("V01", "María Gómez");
        host.addZona("Z1", "Centro");
        vehicleId = host.addVehiculo(host.addTipoVehiculo("CAMION 350"), "AB123CD", {}, {}, {}, {}, {}, 2019);
        guia = newGuide();
        guia.setId(42);
        guia.setIdVehiculo(vehicleId);
        guia.setHoraRegistro(QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)));
        guia.setFacturas(1234);
        line.setCodigoItem("CEM");
        line.setDescripcion("Cemento gris");
        line.setUnidades(1234.5);
        line.setPeso(52466.25);
        line.setVolumen(0.75);
    }

    void expectSame(const QStringList &names, const QVariant &value, const QString &text)
    {
        for (const QString &name : names)
            expectAnswer(guia, name, value, text);
    }

    // Site scripts in the host's data folder. The guide's may not change the document it reads.
    void writeScripts()
    {
        writeFile("evGuiaDespacho.js", R"(function EvalVar(doc, name) {
    doc.id = 999;
    if (["NUMERO", "PLACAS", "EMPRESA"].includes(name)) return { value: doc.id * 10, text: "guion " + doc.id };
    if (name === "RESUMEN")
        return { value: 1, text: [doc.codigoConductor, doc.zona, doc.facturas, doc.totalPeso,
                                  doc.totalPrecioVenta, doc.fecha.getFullYear(), doc.Cerrada].join("|") };
    if (name === "SINTEXTO") return { value: 7 };
    if (name === "CONDUCTOR") return null;
})");
        writeFile("evDetalleGD.js", R"(function EvalVar(doc, name) {
    if (name === "DESCRIPCION") return { value: doc.peso / doc.unidades, text: doc.codigoItem + " " + doc.descripcion };
    if (name === "CAMPOS")
        return { value: 1, text: [doc.codigoItem, doc.descripcion, doc.unidades, doc.peso, doc.volumen].join("|") };
    if (name === "CIFRAS")
        return { value: 1, text: [formatear(doc.unidades, mascaras.cantidades), mascaras.monetarios, mascaras.precios,
                                  mascaras.peso].join("|") };
})");
    }

    void writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(host.dataPath() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    qint32 vehicleId = 0;
    vontarelis::GuiaDespacho guia;
    vontarelis::DetalleGuiaDespacho line;
};

TEST_F(GuiaVariablesTest, EveryGroupOfNamesAnswersTheGuidesFieldInAnyLetterCase)
{
    const struct
    {
        QStringList names;
        QVariant value;
        QString text;
    } cases[] = {
        {{"NUMERO", "numero", "Numero"}, 42, "000042"},
        {{"CODIGO_CONDUCTOR", "CONDUCTOR", "chofer"}, "C01", "C01"},
        {{"NOMBRE_CONDUCTOR", "NombreConductor"}, u"Pedro Pérez"_s, "Pedro Pérez"},
        {{"CODIGOVENDEDOR", "VENDEDOR", "codigo_vendedor"}, "V01", "V01"},
        {{"NOMBREVENDEDOR", "NOMBRE_VENDEDOR", "NombreVend"}, u"María Gómez"_s, "María Gómez"},
        {{"OPERADOR"}, "OPERADOR", "OPERADOR"},
        {{"CODIGOZONA"}, "Z1", "Z1"},
        {{"ZONA", "ZonaDespacho"}, "Centro", "Centro"},
        {{"FECHA"}, QDateTime(QDate(2024, 3, 15), QTime(0, 0)), "03/15/2024"},
        {{"FechaRegistro"}, QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)), "03/16/2024"},
        {{"HoraRegistro"}, QDateTime(QDate(2024, 3, 16), QTime(14, 35, 10)), "14:35"},
        {{"FACTURAS", "NFACTURAS", "QFACTURAS"}, QVariant::fromValue(qint16(1234)), "1,234"},
        {{"PESO", "PESOTOTAL", "KILOS"}, 1500.5, "1,500.500"},
        {{"VALORNETO", "TOTALPRECIOVENTA"}, QVariant::fromValue(Currency::fromRaw(12345678)), "1,234.57"},
        {{"TOTALIVA", "iva"}, QVariant::fromValue(Currency::fromRaw(1975308)), "197.53"},
        {{"TOTALGENERAL", "T_APAGAR", "TAPAGAR"}, QVariant::fromValue(Currency::fromRaw(14320986)), "1,432.10"},
    };
    for (const auto &c : cases)
        expectSame(c.names, c.value, c.text);

    guia.setId(1234567);
    expectSame({"NUMERO"}, 1234567, "1234567");
    // Names are read at each evaluation.
    host.ownerExec("UPDATE Vendedores SET Nombre = 'María G. de Rojas' WHERE Codigo = 'V01'");
    expectSame({"NOMBREVENDEDOR"}, {}, "María G. de Rojas");
    // A zone without a row still answers, with what the host's read gives for no row.
    guia.setZona("Z9");
    const Answer unknownZone = eval(guia, "ZONA");
    EXPECT_TRUE(unknownZone.answered);
    EXPECT_FALSE(unknownZone.value.isValid());
    EXPECT_FALSE(unknownZone.text.isValid());
}

TEST_F(GuiaVariablesTest, FiguresAndDatesFollowTheLocaleAndTheCompanyMask)
{
    {
        testsupport::LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        expectSame({"PESO"}, {}, "1.500,500");
        expectSame({"FACTURAS"}, {}, "1.234");
    }
    {
        testsupport::LocaleScope spanish(QLocale(QLocale::Spanish, QLocale::Venezuela));
        expectSame({"FECHA"}, {}, "15/03/2024");
    }

    // The mask is read at each evaluation, from the company of the current context.
    host.setCompany(1.0, "#,##0.0000");
    vontarelis::InitHostContext(host.framework());
    // Far beyond the digits a double holds, so a sum in floating point would lose the last places.
    guia.setTotalPrecioVenta(Currency::fromRaw(9000000000000000001));
    guia.setTotalIVA(Currency::fromRaw(1));
    const Answer total = eval(guia, "TOTALGENERAL");
    EXPECT_EQ(total.value.metaType(), QMetaType::fromType<Currency>());
    EXPECT_EQ(total.value.value<Currency>().raw(), 9000000000000000002);
    EXPECT_EQ(total.text, QVariant(u"900,000,000,000,000.0002"_s));
}

TEST_F(GuiaVariablesTest, TheSiteScriptComesFirstThenTheGuideTheVehicleAndTheCompany)
{
    writeScripts();
    expectSame({"NUMERO", "PLACAS", "EMPRESA"}, {}, "guion 42");
    EXPECT_EQ(eval(guia, "NUMERO").value.toInt(), 420);
    EXPECT_EQ(guia.id(), 42);
    expectSame({"RESUMEN"}, {}, "C01|Z1|1234|1500.5|1234.5678|2024|false");
    expectSame({"SINTEXTO"}, {}, "7");
    // Names the script passes on, as the format wrote them.
    expectSame({"CONDUCTOR"}, "C01", "C01");
    expectSame({"numero"}, 42, "000042");
    expectSame({"placas"}, "AB123CD", "AB123CD");
    expectSame({"tipo"}, "CAMION 350", "CAMION 350");
    EXPECT_EQ(eval(guia, "año").value, QVariant::fromValue(qint16(2019)));
    expectSame({"rif"}, "J-00000000-0", "J-00000000-0");

    // Nobody knows it: the company's answer, with the vehicle's empty result in the value.
    QVariant value = u"antes"_s;
    QVariant text = u"texto del llamador"_s;
    EXPECT_FALSE(guia.EvalVar(u"NOEXISTE"_s, value, text));
    EXPECT_FALSE(value.isValid());
    EXPECT_EQ(text, QVariant(u"texto del llamador"_s));

    // A guide without a stored vehicle goes straight on to the company.
    guia.setIdVehiculo(vehicleId + 50);
    EXPECT_FALSE(eval(guia, "placas").answered);
    EXPECT_TRUE(eval(guia, "rif").answered);

    // A script that defines no EvalVar answers nothing.
    writeFile("evGuiaDespacho.js", "var version = 2;\n");
    expectSame({"NUMERO"}, 42, "000042");

    // One registered without a vehicle prints its fields blank, whatever vehicle was cached.
    guia.setIdVehiculo(vehicleId);
    expectSame({"placas"}, "AB123CD", "AB123CD");
    guia.setIdVehiculo(0);
    for (const char *name : {"PLACAS", "año", "tipo"})
        expectSame({name}, QString(), QString());
}

TEST_F(GuiaVariablesTest, LinesKnowTheirScriptAndTheirOwnNamesOnly)
{
    host.setCompany(1.0, "#,##0.00", "#,##0.00", "#,##0.000");
    vontarelis::InitHostContext(host.framework());
    writeScripts();
    expectAnswer(line, "codigo", "CEM", "CEM");
    expectAnswer(line, "CANTIDAD", 1234.5, "1,234.500");
    expectAnswer(line, "TotalPeso", 52466.25, "52,466.250");
    expectAnswer(line, "TotalVolumen", 0.75, "0.750");
    expectAnswer(line, "DESCRIPCION", 42.5, "CEM Cemento gris");
    // The script reads every field of the line.
    expectAnswer(line, "CAMPOS", {}, "CEM|Cemento gris|1234.5|52466.25|0.75");
    // It writes numbers with the company's masks in the print's language.
    expectAnswer(line, "CIFRAS", {}, "1,234.500|#,##0.00|#,##0.00|#,##0.000");
    // Neither the guide's script, the vehicle nor the company.
    for (const char *name : {"NUMERO", "PLACAS", "rif"})
        expectUnanswered(line, name);
}

TEST_F(GuiaVariablesTest, AScriptErrorReachesTheCallerWithFileAndLine)
{
    writeFile("evGuiaDespacho.js", "function EvalVar(doc, name) {\n"
                                   "    if (name === 'NUMERO')\n"
                                   "        return { value: 1, text: sinDefinir.texto };\n"
                                   "    if (name === 'FECHA')\n"
                                   "        throw new Error('fecha prohibida');\n"
                                   "    if (name === 'PESO') return 'no es un objeto';\n"
                                   "}\n");
    writeFile("evDetalleGD.js", "function EvalVar(doc, name) {\n  return {;\n}\n");
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
            eval(*c.document, c.name);
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
    const QDir shipped(QStringLiteral(VONTARELIS_DATA_TEMPLATE));
    for (const QString script : {"evGuiaDespacho.js", "evDetalleGD.js"})
        ASSERT_TRUE(QFile::copy(shipped.filePath(script + ".sample"), host.dataPath() + script));

    expectSame({"numero"}, {}, "GD-000042");
    expectSame({"TONELADAS"}, {}, "1.50 t");
    expectSame({"CONDUCTOR"}, {}, "C01");
    expectAnswer(line, "DESCRIPCION", {}, "CEM Cemento gris");
    expectAnswer(line, "PESOUNITARIO", {}, "42.500");
    expectAnswer(line, "CODIGO", {}, "CEM");
    {
        // Numbers in the document's language: 20.4 kg never reads as twenty thousand.
        testsupport::LocaleScope spanish(QLocale(QLocale::Spanish, QLocale::Venezuela));
        expectSame({"TONELADAS"}, {}, "1,50 t");
        line.setPeso(20.4 * 1234.5);
        expectAnswer(line, "PESOUNITARIO", {}, "20,400");
    }
    line.setUnidades(0);
    expectAnswer(line, "PESOUNITARIO", {}, "");
}

} // namespace
