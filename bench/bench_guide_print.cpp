// What printing one guide asks of the model: every guide variable of a format and the four
// variables of each item line, first without site scripts and then with a script for guides
// and one for lines (each answering one name and passing the rest).
#include "BenchTimer.h"

#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int Prints = 20;

const QStringList guideNames{
    QStringLiteral("NUMERO"),          QStringLiteral("FECHA"),          QStringLiteral("FECHAREGISTRO"),
    QStringLiteral("CONDUCTOR"),       QStringLiteral("NOMBRECONDUCTOR"), QStringLiteral("NOMBREVENDEDOR"),
    QStringLiteral("ZONA"),            QStringLiteral("FACTURAS"),       QStringLiteral("PESO"),
    QStringLiteral("VALORNETO"),       QStringLiteral("TOTALIVA"),       QStringLiteral("TOTALGENERAL"),
    QStringLiteral("PLACAS"),          QStringLiteral("MARCA"),          QStringLiteral("TIPO"),
    QStringLiteral("EMPRESA"),         QStringLiteral("RIF"),
};
const QStringList lineNames{QStringLiteral("CODIGO"), QStringLiteral("DESCRIPCION"), QStringLiteral("CANTIDAD"),
                            QStringLiteral("TOTALPESO")};

// One print of guide 1: returns the number of evaluations.
long long printOnce()
{
    vontarelis::GuiaDespacho guia;
    guia.Load(1);
    long long evaluations = 0;
    QVariant value;
    QVariant text;
    for (const QString &name : guideNames) {
        guia.EvalVar(name, value, text);
        ++evaluations;
    }
    for (const auto &line : *guia.detalles()) {
        for (const QString &name : lineNames) {
            line->EvalVar(name, value, text);
            ++evaluations;
        }
    }
    return evaluations;
}

void timePrints(const char *name)
{
    long long evaluations = 0;
    const BenchTimer timer;
    for (int i = 0; i < Prints; ++i)
        evaluations += printOnce();
    BenchTimer::report(name, timer.seconds() * 1000.0 / double(evaluations), "ms/variable");
}

void writeFile(const QString &path, const QByteArray &code)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(code);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const marbelisto::DataFolder folder(dir.path());
    marbelisto::DemoData({.invoices = 600, .today = QDate(2024, 6, 1)})
        .fill(*marbelisto::SqliteDatabase::create(folder.databaseFile()));
    const auto framework = marbelisto::Framework::open(folder.path(), QStringLiteral("ADMIN"));
    vontarelis::InitHostContext(*framework);

    timePrints("guide_print_variable_without_scripts");
    writeFile(folder.file(QStringLiteral("evGuiaDespacho.js")),
              "function EvalVar(doc, name) { if (name === 'NUMERO') return { value: doc.id, text: 'GD-' + doc.id }; }\n");
    writeFile(folder.file(QStringLiteral("evDetalleGD.js")),
              "function EvalVar(doc, name) { if (name === 'CODIGO') return { value: doc.codigoItem, text: doc.codigoItem }; }\n");
    timePrints("guide_print_variable_with_scripts");
    return 0;
}
