#include "marbelisto/host/BookAccess.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace marbelisto {

namespace {

std::optional<struct stat> statusOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return info;
}

mode_t modeOf(const QString &path)
{
    const auto status = statusOf(path);
    return status ? status->st_mode : 0;
}

// A path as a shell reads it back whole.
QString shellWord(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+:@%=,-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

} // namespace

BookAccess::BookAccess(const DataFolder &folder, const QString &databaseFile)
    : m_folder(QDir::cleanPath(folder.path())), m_databaseFile(databaseFile),
      m_sharedWithGroup(modeOf(m_folder) & S_ISGID)
{
}

QString BookAccess::warning() const
{
    // SQLite gives the -wal, -shm and journal it makes the file's own mode.
    QStringList paths{m_folder};
    if (!m_databaseFile.isEmpty())
        paths.append(m_databaseFile);
    const mode_t others = m_sharedWithGroup ? S_IRWXO : S_IRWXG | S_IRWXO;
    QStringList reached;
    QStringList named;
    for (const QString &path : paths) {
        const mode_t bits = modeOf(path) & others;
        const bool read = bits & (S_IRGRP | S_IROTH);
        const bool write = bits & (S_IWGRP | S_IWOTH);
        if (!read && !write)
            continue;
        reached.append(path);
        named.append(QStringLiteral("«%1» (%2)")
                         .arg(path, read && write ? QStringLiteral("lectura y escritura")
                                    : read        ? QStringLiteral("lectura")
                                                  : QStringLiteral("escritura")));
    }
    if (named.isEmpty())
        return QString();
    return QStringLiteral("Otras cuentas de este equipo tienen acceso a los datos: %1. Para quitárselo: %2")
        .arg(named.join(QStringLiteral(", ")), chmodCommand(reached));
}

QString BookAccess::refusal() const
{
    const auto status = statusOf(m_folder);
    if (!status || !(status->st_mode & S_IWOTH))
        return QString();
    const QString reason = QStringLiteral("Otras cuentas de este equipo pueden escribir en la carpeta «%1» y cambiar "
                                          "o reemplazar sus archivos; no se usa para los datos.")
                               .arg(m_folder);
    // A folder of the whole machine, such as /tmp, is not the user's to close.
    if (status->st_uid != ::geteuid() || (status->st_mode & S_ISVTX))
        return reason + QStringLiteral(" Use una carpeta que solo su usuario pueda escribir.");
    return reason + QStringLiteral(" Quíteles el permiso (%1) o use otra carpeta.").arg(chmodCommand({m_folder}));
}

// A folder shared with its group on purpose keeps that group.
QString BookAccess::chmodCommand(const QStringList &paths) const
{
    QStringList words{QStringLiteral("chmod"), m_sharedWithGroup ? QStringLiteral("o-rwx") : QStringLiteral("go-rwx")};
    for (const QString &path : paths)
        words.append(shellWord(path));
    return words.join(u' ');
}

} // namespace marbelisto
