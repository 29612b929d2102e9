#include "marbelisto/db/ColumnValue.h"

#include "toolkit/Currency.h"
#include "toolkit/VariantConvert.h"

#include <QDateTime>

#include <limits>

namespace marbelisto {

namespace {

using toolkit::Currency;

QVariant money(const QVariant &raw)
{
    if (raw.isNull())
        return QVariant(QMetaType::fromType<Currency>());
    // Whole amounts come back as integers and convert exactly.
    constexpr qint64 wholeLimit = std::numeric_limits<qint64>::max() / Currency::Scale;
    if (raw.typeId() == QMetaType::LongLong && qAbs(raw.toLongLong()) <= wholeLimit)
        return QVariant::fromValue(Currency::fromRaw(raw.toLongLong() * Currency::Scale));
    return QVariant::fromValue(toolkit::toCurrency(raw));
}

int digits(QStringView text, qsizetype from, qsizetype count, bool &ok)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const QChar c = text.at(i);
        if (!c.isDigit()) {
            ok = false;
            return 0;
        }
        value = value * 10 + c.digitValue();
    }
    return value;
}

// "yyyy-MM-dd", optionally followed by " HH:mm", ":ss" and ".zzz" (or a "T" before the time).
bool parseStored(QStringView text, QDate &date, QTime &time)
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

} // namespace

QDateTime ColumnValue::localTime(const QDate &date, const QTime &time)
{
    const qint64 hour = date.toJulianDay() * 24 + time.hour();
    auto offset = m_offsets.constFind(hour);
    if (offset == m_offsets.cend())
        offset = m_offsets.insert(hour, QDateTime(date, QTime(time.hour(), 0)).offsetFromUtc());
    // From the instant, a local time is read without the system checking its time-zone file
    // again, which building it from date and time would do on every value.
    const qint64 wall = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    return QDateTime::fromMSecsSinceEpoch(wall - qint64(*offset) * 1000, Qt::LocalTime);
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
    case ColumnKind::Plain:
        break;
    }
    return raw;
}

} // namespace marbelisto
