#pragma once

#include <QString>

class QFile;

namespace hostlibs {

// Folders and files that only the account that made them can reach, whatever the process's
// umask: a company's books and prints are no business of the other accounts on a shared machine.
class PrivateFiles
{
public:
    // The folder and each missing folder above it, made 0700. False when one cannot be made.
    static bool makeFolder(const QString &path);
    // Opens for writing a file that must not exist yet, creating it 0600.
    static bool openNew(QFile &file);
    // A file left 0600: created empty when missing (its folder 0700), narrowed when it is there.
    static bool keepPrivate(const QString &path);
};

} // namespace hostlibs
