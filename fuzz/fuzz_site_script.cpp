// A site's print-variable script, as the text of its file. A script answers, or fails with a
// script error that names its file, and nothing else escapes.
#include "FixedFramework.h"
#include "FixedGuide.h"
#include "FuzzInput.h"

#include "marbelisto/ScriptExtension.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static const auto application = std::make_unique<QCoreApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("evGuiaDespacho.js")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fuzz::fail("the script file is written", file.fileName());
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    fuzz::FixedFramework framework;
    const fuzz::FixedDocument guide({{QStringLiteral("id"), 42},
                                     {QStringLiteral("totalPeso"), 1234.567},
                                     {QStringLiteral("totalPrecioVenta"), QVariant::fromValue(toolkit::Currency::fromRaw(153000000))},
                                     {QStringLiteral("fecha"), QDateTime(QDate(2026, 12, 4), QTime())},
                                     {QStringLiteral("operador"), QStringLiteral("María")},
                                     {QStringLiteral("Cerrada"), false}});
    marbelisto::ScriptExtension extension(folder.path(), framework);
    for (const QString &name : {QStringLiteral("NUMERO"), QStringLiteral("TONELADAS")}) {
        try {
            QVariant value;
            QVariant text;
            extension.ExtendEval(guide, QStringLiteral("evGuiaDespacho.vbs"), name, value, text);
        } catch (const toolkit::Error &error) {
            fuzz::check(error.number() == toolkit::ErrScript && error.description().startsWith(u"evGuiaDespacho.js"),
                        "a script error names the script's file", error.description());
        } catch (const std::exception &error) {
            fuzz::fail("a script fails with a script error", QString::fromUtf8(error.what()));
        }
    }
    return 0;
}
