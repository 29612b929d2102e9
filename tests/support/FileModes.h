#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace testsupport {

// A file's permission bits (setgid and sticky included), or -1 when it is not there.
inline int fileMode(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

// The process's umask for a test's length: 0 makes every file as open as its creator asks.
class UmaskScope
{
public:
    explicit UmaskScope(mode_t mask) : m_previous(::umask(mask)) {}
    ~UmaskScope() { ::umask(m_previous); }
    UmaskScope(const UmaskScope &) = delete;
    UmaskScope &operator=(const UmaskScope &) = delete;

private:
    mode_t m_previous;
};

} // namespace testsupport
