// A loadable SQLite extension that gives the sqlite3 shell the host's Spanish collation, so the
// shell can prepare statements on tables whose text columns declare it and the benchmarks can
// time the bare query beside the host's own reading.
#include "SqliteExtensionApi.h"

#include "marbelisto/db/SpanishCollation.h"
#include "toolkit/Error.h"

SQLITE_EXTENSION_INIT1

extern "C" int sqlite3_extension_init(sqlite3 *handle, char **errorMessage, const sqlite3_api_routines *api)
{
    SQLITE_EXTENSION_INIT2(api);
    try {
        // The collation must outlive every statement of the connection, and the shell keeps its
        // connection until it exits: the object lives as long as the process.
        new marbelisto::SpanishCollation(handle);
    } catch (const toolkit::Error &error) {
        *errorMessage = sqlite3_mprintf("%s", error.description().toUtf8().constData());
        return SQLITE_ERROR;
    }
    return SQLITE_OK;
}
