#include "support/PdfText.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <stdexcept>

namespace testsupport {

namespace {

QString pdftotext(const QString &pdfFile, const QStringList &options)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               options + QStringList{QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfFile, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        throw std::runtime_error("pdftotext failed on " + pdfFile.toStdString() + ": " +
                                 tool.readAllStandardError().toStdString());
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

QString pdfText(const QString &pdfFile)
{
    return pdftotext(pdfFile, {QStringLiteral("-layout")});
}

QRectF pdfWordBox(const QString &pdfFile, const QString &word)
{
    const QRegularExpression box(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">%1</word>)re")
                                     .arg(QRegularExpression::escape(word.toHtmlEscaped())));
    const QRegularExpressionMatch match =
        box.match(pdftotext(pdfFile, {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("1")}));
    if (!match.hasMatch())
        return {};
    return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                  QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
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
