#include "marbelisto/db/ColumnValue.h"

#include "toolkit/Currency.h"
#include "toolkit/VariantConvert.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace marbelisto {

namespace {

using toolkit::Currency;

// A stored amount is mostly a double that stands for a decimal of at most four places; then
// its raw value is that decimal scaled, which Currency::fromDouble finds through text. Below
// 2^33 the doubles lie so close together that no other decimal of four places reads back as
// the same double, so the shortest text of the value is that decimal.
std::optional<Currency> fourDecimals(double value)
{
    constexpr double limit = 8589934592.0;
    if (!(std::fabs(value) < limit))
        return std::nullopt;
    const qint64 scaled = std::llround(value * double(Currency::Scale));
    if (double(scaled) / double(Currency::Scale) != value)
        return std::nullopt;
    return Currency::fromRaw(scaled);
}

QVariant money(const QVariant &raw)
{
    if (raw.isNull())
        return QVariant(QMetaType::fromType<Currency>());
    // Whole amounts come back as integers and convert exactly.
    constexpr qint64 wholeLimit = std::numeric_limits<qint64>::max() / Currency::Scale;
    if (raw.typeId() == QMetaType::LongLong && qAbs(raw.toLongLong()) <= wholeLimit)
        return QVariant::fromValue(Currency::fromRaw(raw.toLongLong() * Currency::Scale));
    if (raw.typeId() == QMetaType::Double) {
        if (const std::optional<Currency> exact = fourDecimals(raw.toDouble()))
            return QVariant::fromValue(*exact);
    }
    return QVariant::fromValue(toolkit::toCurrency(raw));
}

int digitValue(QChar c)
{
    return c.isDigit() ? c.digitValue() : -1;
}

int digitValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

template<typename Text>
int digits(Text text, qsizetype from, qsizetype count, bool &ok)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const int digit = digitValue(text.at(i));
        if (digit < 0) {
            ok = false;
            return 0;
        }
        value = value * 10 + digit;
    }
    return value;
}

// "yyyy-MM-dd", optionally followed by " HH:mm", ":ss" and ".zzz" (or a "T" before the time).
template<typename Text>
bool parseStored(Text text, QDate &date, QTime &time)
{
    bool ok = text.size() >= 10 && text.at(4) == u'-' && text.at(7) == u'-';
    if (!ok)
        return false;
    date = QDate(digits(text, 0, 4, ok), digits(text, 5, 2, ok), digits(text, 8, 2, ok));
    if (!ok || !date.isValid())
        return false;
    time = QTime(0, 0);
    if (text.size() == 10)
        return true;
    ok = text.size() >= 16 && (text.at(10) == u' ' || text.at(10) == u'T') && text.at(13) == u':';
    if (!ok)
        return false;
    const int hour = digits(text, 11, 2, ok);
    const int minute = digits(text, 14, 2, ok);
    int second = 0;
    int millisecond = 0;
    if (text.size() >= 19 && text.at(16) == u':')
        second = digits(text, 17, 2, ok);
    if (text.size() >= 23 && text.at(19) == u'.')
        millisecond = digits(text, 20, 3, ok);
    time = QTime(hour, minute, second, millisecond);
    return ok && time.isValid();
}

bool isAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
}

constexpr qint64 MSecsPerDay = 24 * 60 * 60 * 1000;

// Enough for the distinct moments of any list a user reads; past it the memory starts again.
constexpr qsizetype MaxMoments = 4096;

} // namespace

QDateTime ColumnValue::localTime(const QDate &date, const QTime &time)
{
    const qint64 key = date.toJulianDay() * MSecsPerDay + time.msecsSinceStartOfDay();
    const auto known = m_moments.constFind(key);
    if (known != m_moments.cend())
        return *known;
    const qint64 hour = date.toJulianDay() * 24 + time.hour();
    auto offset = m_offsets.constFind(hour);
    if (offset == m_offsets.cend())
        offset = m_offsets.insert(hour, QDateTime(date, QTime(time.hour(), 0)).offsetFromUtc());
    // From the instant, a local time is read without the system computing the offset again,
    // which building it from date and time would do.
    const qint64 wall = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(wall - qint64(*offset) * 1000, Qt::LocalTime);
    if (m_moments.size() >= MaxMoments)
        m_moments.clear();
    m_moments.insert(key, moment);
    return moment;
}

QVariant ColumnValue::storedDateTime(QByteArrayView text)
{
    QDate date;
    QTime time;
    // Text beyond ASCII takes the QString path, which also reads other scripts' digits.
    if (!isAscii(text) || !parseStored(text, date, time))
        return QVariant();
    return localTime(date, time);
}

QVariant ColumnValue::dateTime(const QVariant &raw)
{
    if (raw.isNull())
        return QVariant(QMetaType::fromType<QDateTime>());
    switch (raw.typeId()) {
    case QMetaType::QDateTime:
        return raw;
    case QMetaType::QDate:
        return raw.toDate().startOfDay();
    case QMetaType::QString: {
        // Text that is no stored date is handed on as it is, for the reader to judge.
        const QString text = raw.toString();
        QDate date;
        QTime time;
        if (!parseStored(text, date, time))
            return raw;
        return localTime(date, time);
    }
    default:
        return raw;
    }
}

QVariant ColumnValue::typed(const QVariant &raw, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Money:
        return money(raw);
    case ColumnKind::DateTime:
        return dateTime(raw);
    case ColumnKind::Decimal:
        return raw.isNull() ? QVariant(QMetaType::fromType<double>()) : QVariant(raw.toDouble());
    case ColumnKind::Plain:
        break;
    }
    return raw;
}

} // namespace marbelisto
