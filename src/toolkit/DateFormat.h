#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace toolkit {

// Date patterns of the system: the named forms "Short Date", "Long Date" and "General Date",
// or a picture of d, dd, m, mm, mmm, yy, yyyy, h, hh, n, nn, s, ss ("dd-mm-yyyy").
// As in the original runtime, "m" right after an hour means minutes.
class DateFormat
{
public:
    static QString format(const QDateTime &moment, const QString &pattern, const QLocale &locale = QLocale());
};

} // namespace toolkit
