#pragma once

#include <QLocale>
#include <QString>

namespace toolkit {

// Reads back the number in a text that a number mask wrote: whatever literal text stands
// before or after it, the locale's grouping and decimal separators, a minus before or after
// it or parentheses around it for a negative value. Plain number text ("1500.5", "1E+15")
// reads as well. The one ambiguous case, a single point followed by exactly three digits in a
// locale that groups with points ("1.234"), reads as grouping, as a mask would have written it.
// A text without digits reads as 0.
class FormattedNumber
{
public:
    static double read(const QString &text, const QLocale &locale = QLocale());
};

} // namespace toolkit
