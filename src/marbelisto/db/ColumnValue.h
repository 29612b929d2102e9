#pragma once

#include "marbelisto/db/Database.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QVariant>

namespace marbelisto {

// A value as the driver read it, typed by its column's kind: money becomes
// toolkit::Currency, a stored date QDateTime, and a NULL a null of that type. One converter
// serves the rows of one result, so what it learns about the local time zone is reused.
class ColumnValue
{
public:
    QVariant typed(const QVariant &raw, ColumnKind kind);
    // Stored date text ("yyyy-MM-dd", then optionally " HH:mm", ":ss", ".zzz") as a local
    // QDateTime; invalid when the text is no such date.
    QVariant storedDateTime(QByteArrayView text);

private:
    QVariant dateTime(const QVariant &raw);
    QDateTime localTime(const QDate &date, const QTime &time);

    // The local offset from UTC by day and hour. Asking the system's time-zone rules costs more
    // than the rest of a row, and a result's dates repeat few days; an offset changes only on
    // the hour.
    QHash<qint64, int> m_offsets;
    // The moments already read, by day and time of day: even a local time built from its
    // instant makes the system check its time-zone file, where a copy costs nothing.
    QHash<qint64, QDateTime> m_moments;
};

} // namespace marbelisto
