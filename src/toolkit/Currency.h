#pragma once

#include <QMetaType>
#include <QString>

#include <QStringView>

#include <compare>
#include <optional>

namespace toolkit {

// Money: a signed 64-bit count of ten-thousandths, so sums of amounts are exact.
class Currency
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Currency() = default;

    // Rounds half to even at the fourth decimal; raises an overflow outside the range.
    static Currency fromDouble(double value);
    // Decimal text as databases write it ("-1234.56789", no grouping, no exponent), exactly, with
    // the same rounding; nullopt when the text is not such a number.
    static std::optional<Currency> fromDecimalText(QStringView text);
    static constexpr Currency fromRaw(qint64 tenThousandths) { return Currency(tenThousandths); }

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const;
    // Exact decimal text with a point and no grouping, trailing zeros dropped ("12.5", "-0.0001").
    QString toPlainText() const;

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency operator*(int sign) const;
    Currency &operator+=(Currency other);
    Currency &operator-=(Currency other);

    friend constexpr auto operator<=>(const Currency &, const Currency &) = default;
    friend constexpr bool operator==(const Currency &, const Currency &) = default;

private:
    constexpr explicit Currency(qint64 raw) : m_raw(raw) {}

    qint64 m_raw = 0;
};

} // namespace toolkit

Q_DECLARE_METATYPE(toolkit::Currency)
