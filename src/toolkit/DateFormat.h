#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace toolkit {

// Date patterns of the system: the named forms "Short Date", "Long Date" and "General Date",
// or a picture of d, dd, m, mm, mmm, yy, yyyy, h, hh, n, nn, s, ss ("dd-mm-yyyy").
// As in the original runtime, "m" right after an hour means minutes.
//
// "Short Date" keeps the locale's order of day, month and year and its separators, but always
// with two-digit day and month and a four-digit year (04/12/2026 in Venezuela): a transport
// document must not leave the century to guessing. "General Date" is the short date, followed
// by the time when there is one.
class DateFormat
{
public:
    static QString format(const QDateTime &moment, const QString &pattern, const QLocale &locale = QLocale());
    // The short date as a Qt date format ("dd/MM/yyyy"), for reading such text back.
    static QString shortDatePattern(const QLocale &locale = QLocale());
};

} // namespace toolkit
