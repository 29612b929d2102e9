#include "marbelisto/app/DataTemplate.h"

#include "toolkit/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace marbelisto {

DataTemplate::DataTemplate(const QString &folder) : m_folder(folder) {}

DataTemplate DataTemplate::besideProgram(const QString &programFolder)
{
    const QFileInfo folder(QDir(programFolder).filePath(QStringLiteral("../share/marbelisto/data")));
    return DataTemplate(folder.isDir() ? folder.canonicalFilePath() : QDir::cleanPath(folder.absoluteFilePath()));
}

bool DataTemplate::isEmpty() const
{
    return m_folder.isEmpty() || QDir(m_folder).entryList(QDir::Files).isEmpty();
}

QStringList DataTemplate::copyInto(const QString &target) const
{
    QStringList copied;
    const QDir source(m_folder);
    const QDir destination(target);
    for (const QString &name : source.entryList(QDir::Files, QDir::Name)) {
        const QString to = destination.filePath(name);
        if (QFileInfo::exists(to))
            continue;
        if (!QFile::copy(source.filePath(name), to))
            throw toolkit::Error(toolkit::ErrInvalidCall,
                                 QStringLiteral("No se pudo copiar «%1» a «%2»").arg(name, target),
                                 QStringLiteral("marbelisto init"));
        copied.append(name);
    }
    return copied;
}

} // namespace marbelisto
