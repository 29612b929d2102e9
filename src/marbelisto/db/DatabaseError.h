#pragma once

#include "toolkit/Error.h"

class QSqlError;

namespace marbelisto {

// The error a failed database call raises: ErrDatabase with the engine's own message.
toolkit::Error databaseError(const QSqlError &error);
toolkit::Error databaseError(const QString &message);

} // namespace marbelisto
