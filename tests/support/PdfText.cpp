#include "support/PdfText.h"

#include <QDir>
#include <QProcess>

#include <stdexcept>

namespace testsupport {

QString pdfText(const QString &pdfFile)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                             pdfFile, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        throw std::runtime_error("pdftotext failed on " + pdfFile.toStdString() + ": " +
                                 tool.readAllStandardError().toStdString());
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QStringList pdfPages(const QString &pdfFile)
{
    QStringList pages = pdfText(pdfFile).split(u'\f');
    // pdftotext ends the last page with a form feed too.
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList pdfFilesIn(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

} // namespace testsupport
