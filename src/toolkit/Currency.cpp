#include "toolkit/Currency.h"

#include "toolkit/Error.h"

#include <cmath>
#include <limits>

namespace toolkit {

namespace {

[[noreturn]] void raiseOverflow()
{
    throw Error(ErrOverflow, QStringLiteral("Desbordamiento en un valor monetario"), QStringLiteral("Currency"));
}

// Registers the type once per process so that it converts inside QVariant.
const int registered = [] {
    QMetaType::registerConverter<Currency, double>(&Currency::toDouble);
    QMetaType::registerConverter<Currency, QString>(&Currency::toPlainText);
    return qMetaTypeId<Currency>();
}();

} // namespace

Currency Currency::fromDouble(double value)
{
    const double scaled = value * double(Scale);
    // 2^63 itself is out of range; nearbyint keeps the default round-half-to-even mode.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= limit || scaled < -limit)
        raiseOverflow();
    return Currency(static_cast<qint64>(std::nearbyint(scaled)));
}

double Currency::toDouble() const
{
    return double(m_raw) / double(Scale);
}

QString Currency::toPlainText() const
{
    const bool negative = m_raw < 0;
    // Through unsigned so that the most negative value has a magnitude too.
    const quint64 magnitude = negative ? quint64(0) - quint64(m_raw) : quint64(m_raw);
    QString text = QString::number(magnitude / Scale);
    QString fraction = QStringLiteral("%1").arg(magnitude % Scale, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return negative ? QLatin1Char('-') + text : text;
}

Currency Currency::operator+(Currency other) const
{
    qint64 sum = 0;
    if (__builtin_add_overflow(m_raw, other.m_raw, &sum))
        raiseOverflow();
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const
{
    qint64 difference = 0;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &difference))
        raiseOverflow();
    return Currency(difference);
}

Currency Currency::operator-() const
{
    return Currency() - *this;
}

Currency Currency::operator*(int sign) const
{
    qint64 product = 0;
    if (__builtin_mul_overflow(m_raw, qint64(sign), &product))
        raiseOverflow();
    return Currency(product);
}

Currency &Currency::operator+=(Currency other)
{
    return *this = *this + other;
}

Currency &Currency::operator-=(Currency other)
{
    return *this = *this - other;
}

} // namespace toolkit
