#pragma once

#include "marbelisto/db/Database.h"

#include <QVariant>

namespace marbelisto {

// A value as the driver read it, typed by its column's kind: money becomes
// toolkit::Currency, a stored date QDateTime, and a NULL a null of that type.
class ColumnValue
{
public:
    static QVariant typed(const QVariant &raw, ColumnKind kind);
};

} // namespace marbelisto
