#pragma once

#include "toolkit/Error.h"

class QSqlError;

namespace marbelisto {

class PostgresUrl;

// The error a failed database call raises: ErrDatabase with the engine's own message.
toolkit::Error databaseError(const QSqlError &error);
toolkit::Error databaseError(const QString &message, const QString &details = QString());
// ErrNoConnection: the server is out of reach, said in Spanish and naming it; what the
// connection library said goes to the details.
toolkit::Error unreachableServer(const PostgresUrl &url, const QString &engineText);

} // namespace marbelisto
