#include "support/PdfQrCodes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <stdexcept>

namespace testsupport {

namespace {

// zbarimg's exit code when it read the image and found no symbol.
constexpr int NoSymbolFound = 4;

QProcess &run(QProcess &tool, const QString &program, const QStringList &arguments)
{
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        throw std::runtime_error(program.toStdString() + " did not finish: " + tool.errorString().toStdString());
    return tool;
}

QString renderPage(const QString &pdfFile, int page, const QString &folder)
{
    QProcess tool;
    const QString number = QString::number(page);
    run(tool, QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-f"), number,
         QStringLiteral("-l"), number, QStringLiteral("-singlefile"), pdfFile, QDir(folder).filePath("page")});
    if (tool.exitCode() != 0)
        throw std::runtime_error("pdftoppm failed on " + pdfFile.toStdString() + ": " +
                                 tool.readAllStandardError().toStdString());
    return QDir(folder).filePath(QStringLiteral("page.png"));
}

} // namespace

QStringList pdfQrCodes(const QString &pdfFile, int page)
{
    const QTemporaryDir folder;
    const QString image = renderPage(pdfFile, page, folder.path());
    QProcess tool;
    // Plain output: each symbol as "QR-Code:" and its text, then a line break. (The XML output
    // mangles bytes above 127 in its base64.)
    run(tool, QStringLiteral("zbarimg"), {QStringLiteral("-q"), image});
    if (tool.exitCode() == NoSymbolFound)
        return {};
    if (tool.exitCode() != 0)
        throw std::runtime_error("zbarimg failed on " + image.toStdString() + ": " +
                                 tool.readAllStandardError().toStdString());
    QString output = QString::fromUtf8(tool.readAllStandardOutput());
    const QString prefix = QStringLiteral("QR-Code:");
    if (!output.startsWith(prefix) || !output.endsWith(u'\n'))
        throw std::runtime_error("zbarimg wrote something else than QR codes: " + output.toStdString());
    output.chop(1);
    return output.mid(prefix.size()).split(u'\n' + prefix);
}

} // namespace testsupport
