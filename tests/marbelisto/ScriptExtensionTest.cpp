#include "support/LocaleScope.h"
#include "support/ScriptedCommonUtilities.h"
#include "support/TestHost.h"
#include "toolkit/Error.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/DetalleGuiaDespacho.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

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

class ScriptExtensionTest : public ::testing::Test
{
protected:
    ScriptExtensionTest()
    {
        vontarelis::InitHostContext(host.framework());
        guia.setId(42);
        guia.setCodigoConductor(QStringLiteral("C01"));
        guia.setZona(QStringLiteral("Z1"));
        guia.setFecha(QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
        guia.setFacturas(3);
        guia.setTotalPeso(1500.5);
        guia.setTotalPrecioVenta(Currency::fromRaw(12345678));
        guia.setCerrada(true);
        line.setCodigoItem(QStringLiteral("CEM"));
        line.setDescripcion(QStringLiteral("Cemento gris"));
        line.setUnidades(14);
        line.setPeso(595);
    }
    ~ScriptExtensionTest() override
    {
        vontarelis::gHost = nullptr;
        vontarelis::gEmpresa.reset();
        vontarelis::gTemaUI.reset();
    }

    void writeScript(const QString &fileName, const QByteArray &code) const
    {
        QFile file(host.dataPath() + fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(code);
    }

    void installSample(const QString &sampleName) const
    {
        const QString sample = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../data/") + sampleName);
        const QString installed = host.dataPath() + QFileInfo(sampleName).completeBaseName();
        ASSERT_TRUE(QFile::copy(sample, installed)) << sample.toStdString();
    }

    // The error a script raises, as the caller of the guide or line receives it.
    static QString errorOf(host::IDocument &document, const QString &name)
    {
        try {
            eval(document, name);
        } catch (const toolkit::Error &error) {
            EXPECT_EQ(error.number(), toolkit::ErrScript);
            return error.description();
        }
        ADD_FAILURE() << "no error for " << name.toStdString();
        return QString();
    }

    testsupport::LocaleScope locale{QLocale(QLocale::English, QLocale::UnitedStates)};
    testsupport::ScriptedCommonUtilitiesScope utilities;
    testsupport::TestHost host;
    GuiaDespacho guia;
    DetalleGuiaDespacho line;
};

TEST_F(ScriptExtensionTest, AnAnswerOfTheScriptReplacesOrAddsAVariable)
{
    writeScript(QStringLiteral("evGuiaDespacho.js"), R"(
function EvalVar(doc, name) {
    doc.id = 999;
    if (name === "NUMERO")
        return { value: doc.id * 10, text: "N-" + doc.id };
    if (name === "RESUMEN")
        return { value: 1, text: [doc.codigoConductor, doc.zona, doc.facturas, doc.totalPeso,
                                  doc.totalPrecioVenta, doc.fecha.getFullYear(), doc.Cerrada].join("|") };
    if (name === "SINTEXTO")
        return { value: 7 };
    return undefined;
}
)");
    const Answer numero = eval(guia, QStringLiteral("NUMERO"));
    EXPECT_TRUE(numero.answered);
    EXPECT_EQ(numero.value.toInt(), 420);
    EXPECT_EQ(numero.text, QVariant(QStringLiteral("N-42")));

    const Answer resumen = eval(guia, QStringLiteral("RESUMEN"));
    EXPECT_TRUE(resumen.answered);
    EXPECT_EQ(resumen.text, QVariant(QStringLiteral("C01|Z1|3|1500.5|1234.5678|2024|true")));

    const Answer sinTexto = eval(guia, QStringLiteral("SINTEXTO"));
    EXPECT_TRUE(sinTexto.answered);
    EXPECT_EQ(sinTexto.text, QVariant(QStringLiteral("7")));
    EXPECT_EQ(guia.id(), 42);
}

TEST_F(ScriptExtensionTest, WithoutAnAnswerTheDocumentAnswersItself)
{
    // No script at all.
    EXPECT_EQ(eval(guia, QStringLiteral("NUMERO")).text, QVariant(QStringLiteral("000042")));

    writeScript(QStringLiteral("evGuiaDespacho.js"), R"(
function EvalVar(doc, name) {
    if (name === "CONDUCTOR") return null;
    if (name === "ZONA") return { value: "Z", text: "zona del guion" };
}
)");
    const Answer conductor = eval(guia, QStringLiteral("CONDUCTOR"));
    EXPECT_TRUE(conductor.answered);
    EXPECT_EQ(conductor.text, QVariant(QStringLiteral("C01")));
    EXPECT_EQ(eval(guia, QStringLiteral("NUMERO")).text, QVariant(QStringLiteral("000042")));
    EXPECT_EQ(eval(guia, QStringLiteral("ZONA")).text, QVariant(QStringLiteral("zona del guion")));

    // The guide's script is not the lines'.
    EXPECT_EQ(eval(line, QStringLiteral("CODIGO")).text, QVariant(QStringLiteral("CEM")));
    EXPECT_FALSE(eval(line, QStringLiteral("ZONA")).answered);

    // A script that defines no EvalVar answers nothing.
    writeScript(QStringLiteral("evGuiaDespacho.js"), "var version = 2;\n");
    EXPECT_EQ(eval(guia, QStringLiteral("ZONA")).text, QVariant());
    EXPECT_EQ(eval(guia, QStringLiteral("CODIGOZONA")).text, QVariant(QStringLiteral("Z1")));
}

TEST_F(ScriptExtensionTest, LinesRunTheirOwnScript)
{
    writeScript(QStringLiteral("evDetalleGD.js"), R"(
function EvalVar(doc, name) {
    if (name.toUpperCase() === "DESCRIPCION")
        return { value: doc.descripcion, text: doc.codigoItem + ": " + doc.descripcion };
    if (name === "KGPORUNIDAD")
        return { value: doc.peso / doc.unidades, text: (doc.peso / doc.unidades).toFixed(2) };
}
)");
    EXPECT_EQ(eval(line, QStringLiteral("descripcion")).text, QVariant(QStringLiteral("CEM: Cemento gris")));
    const Answer kilos = eval(line, QStringLiteral("KGPORUNIDAD"));
    EXPECT_TRUE(kilos.answered);
    EXPECT_DOUBLE_EQ(kilos.value.toDouble(), 42.5);
    EXPECT_EQ(kilos.text, QVariant(QStringLiteral("42.50")));
    EXPECT_EQ(eval(line, QStringLiteral("TOTALPESO")).text, QVariant(QStringLiteral("595.000")));
    EXPECT_FALSE(eval(guia, QStringLiteral("KGPORUNIDAD")).answered);
}

TEST_F(ScriptExtensionTest, AScriptErrorReachesTheCallerWithFileAndLine)
{
    writeScript(QStringLiteral("evGuiaDespacho.js"), "function EvalVar(doc, name) {\n"
                                                     "    if (name === 'NUMERO')\n"
                                                     "        return { value: 1, text: sinDefinir.texto };\n"
                                                     "    if (name === 'FECHA')\n"
                                                     "        throw new Error('fecha prohibida');\n"
                                                     "    if (name === 'PESO') return 'no es un objeto';\n"
                                                     "}\n");
    const QString reference = errorOf(guia, QStringLiteral("NUMERO"));
    EXPECT_TRUE(reference.contains(QStringLiteral("evGuiaDespacho.js"))) << reference.toStdString();
    EXPECT_TRUE(reference.contains(QStringLiteral("línea 3"))) << reference.toStdString();
    EXPECT_TRUE(reference.contains(QStringLiteral("sinDefinir"))) << reference.toStdString();

    const QString thrown = errorOf(guia, QStringLiteral("FECHA"));
    EXPECT_TRUE(thrown.contains(QStringLiteral("línea 5"))) << thrown.toStdString();
    EXPECT_TRUE(thrown.contains(QStringLiteral("fecha prohibida"))) << thrown.toStdString();

    EXPECT_TRUE(errorOf(guia, QStringLiteral("PESO")).contains(QStringLiteral("evGuiaDespacho.js")));

    writeScript(QStringLiteral("evDetalleGD.js"), "function EvalVar(doc, name) {\n  return {;\n}\n");
    const QString syntax = errorOf(line, QStringLiteral("CODIGO"));
    EXPECT_TRUE(syntax.contains(QStringLiteral("evDetalleGD.js"))) << syntax.toStdString();
    EXPECT_TRUE(syntax.contains(QStringLiteral("línea 2"))) << syntax.toStdString();
}

TEST_F(ScriptExtensionTest, TheShippedSamplesWorkOnceInstalled)
{
    installSample(QStringLiteral("evGuiaDespacho.js.sample"));
    installSample(QStringLiteral("evDetalleGD.js.sample"));

    EXPECT_EQ(eval(guia, QStringLiteral("numero")).text, QVariant(QStringLiteral("GD-000042")));
    EXPECT_EQ(eval(guia, QStringLiteral("TONELADAS")).text, QVariant(QStringLiteral("1.50 t")));
    EXPECT_EQ(eval(guia, QStringLiteral("CONDUCTOR")).text, QVariant(QStringLiteral("C01")));

    EXPECT_EQ(eval(line, QStringLiteral("DESCRIPCION")).text, QVariant(QStringLiteral("CEM Cemento gris")));
    EXPECT_EQ(eval(line, QStringLiteral("PESOUNITARIO")).text, QVariant(QStringLiteral("42.500")));
    line.setUnidades(0);
    EXPECT_EQ(eval(line, QStringLiteral("PESOUNITARIO")).text, QVariant(QString("")));
    EXPECT_EQ(eval(line, QStringLiteral("CODIGO")).text, QVariant(QStringLiteral("CEM")));
}

} // namespace
