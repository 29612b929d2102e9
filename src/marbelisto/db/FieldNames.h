#pragma once

#include "toolkit/Error.h"

#include <QHash>
#include <QSqlRecord>
#include <QStringList>

namespace marbelisto {

// The column names of a result and the errors a recordset raises about its fields: a name
// matches without regard to case and the first match wins.
class FieldNames
{
public:
    explicit FieldNames(const QSqlRecord &record);

    int count() const { return int(m_names.size()); }
    // Raises ErrItemNotFound when no column has the name.
    int position(const QString &name) const;
    // Raises ErrItemNotFound for a position outside the columns.
    void check(int position) const;

    static toolkit::Error noCurrentRecord();

private:
    QStringList m_names;
    // Callers ask for the same few names on every row: each spelling is matched once.
    mutable QHash<QString, int> m_positions;
};

} // namespace marbelisto
