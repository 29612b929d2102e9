#pragma once

#include <QString>

namespace toolkit {

// Number text that does not depend on regional settings, for values kept in hidden grid cells.
class PlainNumber
{
public:
    // A point as decimal separator, no grouping, the shortest text that reads back to the
    // same double, exponent notation for very large or very small values.
    static QString write(double value);
    // The longest leading number of the text, blanks ignored, 0 when there is none.
    static double read(const QString &text);
};

} // namespace toolkit
