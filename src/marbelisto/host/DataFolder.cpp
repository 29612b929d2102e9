#include "marbelisto/host/DataFolder.h"

#include <QDir>

namespace marbelisto {

DataFolder::DataFolder(const QString &path) : m_path(QDir(path).absolutePath())
{
    if (!m_path.endsWith(u'/'))
        m_path.append(u'/');
}

QString DataFolder::databaseFile() const
{
    return file(QString::fromLatin1(DatabaseFileName));
}

QString DataFolder::file(const QString &name) const
{
    return m_path + name;
}

} // namespace marbelisto
