#pragma once

// Every source of the collation extension calls SQLite through the table of routines the
// loading program hands over, never through a library of its own: the program's copy of
// SQLite owns the connection.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
