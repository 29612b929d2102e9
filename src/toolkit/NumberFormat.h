#pragma once

#include "toolkit/Currency.h"

#include "toolkit/NumberMask.h"

#include <QLocale>
#include <QString>
#include <QVariant>

namespace toolkit {

// Formats numbers with the masks of the system ("000000", "#,##0.000", the company masks) in
// the classic Format syntax that NumberMask reads. A negative value takes the negative section
// as it stands; without one, the minus goes before everything, prefix included ("-Bs. 5,00").
// A value that rounds to zero takes the zero section when there is one and never shows a
// minus. Separators come from the locale; the value is rounded half away from zero to the
// section's decimals. An empty mask writes the number as it is, with the locale's point.
class NumberFormat
{
public:
    // One mask read once, for formatting many numbers with it.
    explicit NumberFormat(const QString &mask, const QLocale &locale = QLocale());
    QString text(double value) const;

    static QString format(double value, const QString &mask, const QLocale &locale = QLocale());
    static QString format(Currency value, const QString &mask, const QLocale &locale = QLocale());
    // Null takes the fourth section (no text without one); Empty formats as 0; Currency keeps
    // its exact digits; anything else is converted to a number.
    static QString format(const QVariant &value, const QString &mask, const QLocale &locale = QLocale());

    // The locale's separators, taken once: QLocale builds them anew on every call.
    struct Separators
    {
        QString group;
        QString point;
    };

private:
    QString formatDigits(bool negative, QStringView integerDigits, QStringView fractionDigits) const;

    QString m_mask;
    NumberMask m_sections;
    Separators m_separators;
};

} // namespace toolkit
