#include "hostlibs/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace hostlibs {

namespace {

constexpr QFile::Permissions ownerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions ownerFile = QFile::ReadOwner | QFile::WriteOwner;

} // namespace

// The mode is given at creation, so the entry is never wider than the owner's for a moment, and
// set again afterwards, since a umask may have taken the owner's own bits away too.
bool PrivateFiles::makeFolder(const QString &path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QFileInfo info(absolute);
    if (info.isDir())
        return true;
    if (info.exists() || !makeFolder(info.path()))
        return false;
    return QDir().mkdir(absolute, ownerFolder) && QFile::setPermissions(absolute, ownerFolder);
}

bool PrivateFiles::openNew(QFile &file)
{
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerFile) && file.setPermissions(ownerFile);
}

bool PrivateFiles::keepPrivate(const QString &path)
{
    if (QFileInfo::exists(path))
        return QFile::setPermissions(path, ownerFile);
    QFile file(path);
    return makeFolder(QFileInfo(path).path()) && openNew(file);
}

} // namespace hostlibs
