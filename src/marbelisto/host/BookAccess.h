#pragma once

#include "marbelisto/host/DataFolder.h"

#include <QString>

namespace marbelisto {

// Which other accounts of the machine can reach the books: the data folder and the SQLite
// file. A folder with the setgid bit (chmod 2770) is shared with
// its group on purpose, as a SQLite book a group works on needs, so that group's access is
// meant; any other access of a group, and every access of the rest of the machine, is not.
class BookAccess
{
public:
    // databaseFile: empty when the books are on a server.
    BookAccess(const DataFolder &folder, const QString &databaseFile);

    // One sentence naming what others can read or write and the chmod that ends it; empty
    // when nobody else can.
    QString warning() const;
    // Why the folder must not receive new books: others may create, replace or delete files in
    // it. Empty when it may.
    QString refusal() const;

private:
    QString chmodCommand(const QStringList &paths) const;

    QString m_folder;
    QString m_databaseFile;
    bool m_sharedWithGroup;
};

} // namespace marbelisto
