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
QDateTime parseStored(QStringView text)
{
    bool ok = text.size() >= 10 && text.at(4) == u'-' && text.at(7) == u'-';
    if (!ok)
        return {};
    const QDate date(digits(text, 0, 4, ok), digits(text, 5, 2, ok), digits(text, 8, 2, ok));
    if (!ok || !date.isValid())
        return {};
    if (text.size() == 10)
        return date.startOfDay();
    ok = text.size() >= 16 && (text.at(10) == u' ' || text.at(10) == u'T') && text.at(13) == u':';
    if (!ok)
        return {};
    const int hour = digits(text, 11, 2, ok);
    const int minute = digits(text, 14, 2, ok);
    int second = 0;
    int millisecond = 0;
    if (text.size() >= 19 && text.at(16) == u':')
        second = digits(text, 17, 2, ok);
    if (text.size() >= 23 && text.at(19) == u'.')
        millisecond = digits(text, 20, 3, ok);
    const QTime time(hour, minute, second, millisecond);
    if (!ok || !time.isValid())
        return {};
    return QDateTime(date, time);
}

QVariant dateTime(const QVariant &raw)
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
        const QDateTime parsed = parseStored(raw.toString());
        return parsed.isValid() ? QVariant(parsed) : raw;
    }
    default:
        return raw;
    }
}

} // namespace

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
