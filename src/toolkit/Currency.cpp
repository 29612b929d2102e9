#include "toolkit/Currency.h"

#include "toolkit/Error.h"

#include <QLocale>

#include <algorithm>
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
    if (!std::isfinite(value) || std::fabs(value) >= 922337203685477.5808)
        raiseOverflow();
    // Round the decimal the double stands for (its shortest text), not its binary expansion:
    // 0.00015 is a half and goes to even like 0.00025, whatever bits represent it.
    return *fromDecimalText(QString::number(value, 'f', QLocale::FloatingPointShortest));
}

std::optional<Currency> Currency::fromDecimalText(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.mid(1);
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    const auto digits = [](QStringView part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if ((whole.isEmpty() && fraction.isEmpty()) || !digits(whole) || !digits(fraction))
        return std::nullopt;

    quint64 magnitude = 0;
    const auto append = [&magnitude](QChar digit) {
        if (__builtin_mul_overflow(magnitude, 10u, &magnitude) || __builtin_add_overflow(magnitude, quint64(digit.unicode() - u'0'), &magnitude))
            raiseOverflow();
    };
    for (const QChar digit : whole)
        append(digit);
    for (qsizetype i = 0; i < 4; ++i)
        append(i < fraction.size() ? fraction.at(i) : u'0');
    const QStringView rest = fraction.size() > 4 ? fraction.mid(4) : QStringView();
    if (!rest.isEmpty()) {
        const QChar first = rest.front();
        const bool beyondHalf = std::any_of(rest.begin() + 1, rest.end(), [](QChar c) { return c != u'0'; });
        if (first > u'5' || (first == u'5' && (beyondHalf || magnitude % 2 == 1)))
            ++magnitude;
    }
    if (magnitude > quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0))
        raiseOverflow();
    return Currency(negative ? qint64(quint64(0) - magnitude) : qint64(magnitude));
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
