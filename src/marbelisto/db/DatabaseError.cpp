#include "marbelisto/db/DatabaseError.h"

#include <QSqlError>

namespace marbelisto {

namespace {
const QString source = QStringLiteral("Marbelisto.Database");
}

toolkit::Error databaseError(const QSqlError &error)
{
    // The engine's text names the constraint or the syntax problem; Qt's own text only says
    // which step failed, so it serves when the engine said nothing.
    const QString engineText = error.databaseText().trimmed();
    return databaseError(engineText.isEmpty() ? error.driverText() : engineText);
}

toolkit::Error databaseError(const QString &message)
{
    return toolkit::Error(toolkit::ErrDatabase, message, source);
}

} // namespace marbelisto
