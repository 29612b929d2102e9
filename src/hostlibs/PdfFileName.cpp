#include "hostlibs/PdfFileName.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace hostlibs {

namespace {

// Letters a file name keeps on every system.
QString safe(const QString &text)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.]+"));
    QString cleaned = text.trimmed();
    cleaned.replace(unsafe, QStringLiteral("_"));
    return cleaned;
}

} // namespace

QString PdfFileName::inFolder(const QString &folder, const QString &documentType, const QString &number,
                              const QDateTime &moment)
{
    QStringList parts;
    for (const QString &part : {safe(documentType), safe(number)}) {
        if (!part.isEmpty())
            parts.append(part);
    }
    parts.append(moment.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QDir dir(folder);
    const QString stem = parts.join(u'-');
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = dir.filePath(QStringLiteral("%1-%2.pdf").arg(stem).arg(copy));
    return path;
}

} // namespace hostlibs
