#pragma once

#include "toolkit/Currency.h"

#include <QLocale>
#include <QString>

namespace toolkit {

// Number patterns of the system: "0" a digit always shown, "#" a digit shown when significant,
// "," between digit places asks for grouping, "." places the decimal point. Text before the
// first and after the last placeholder is kept as it stands ("$ #,##0.00"); a ";" starts the
// pattern for negative values. Separators come from the locale; the value is rounded half away
// from zero to the pattern's decimals.
class NumberFormat
{
public:
    static QString format(double value, const QString &pattern, const QLocale &locale = QLocale());
    static QString format(Currency value, const QString &pattern, const QLocale &locale = QLocale());

private:
    static QString formatDigits(bool negative, QString integerDigits, QString fractionDigits,
                                const QString &pattern, const QLocale &locale);
};

} // namespace toolkit
