#pragma once

#include <QString>

namespace toolkit {

// Number text that does not depend on regional settings, for values kept in hidden grid cells.
class PlainNumber
{
public:
    // A point as decimal separator, no grouping, the shortest digits that read back to the
    // same double. Exponent notation only where the classic runtime used it, for magnitudes
    // of 1E+15 and above or below 1E-04: "1E+15", "2.5E-05".
    static QString write(double value);
    // The same text appended, for a caller that builds a longer text.
    static void append(QString &text, double value);
    // The longest leading number of the text, blanks ignored, 0 when there is none.
    static double read(const QString &text);
};

} // namespace toolkit
