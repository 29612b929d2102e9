#include "toolkit/VariantConvert.h"

#include "toolkit/DateFormat.h"
#include "toolkit/Error.h"
#include "toolkit/PlainNumber.h"

#include <QLocale>

#include <cmath>

namespace toolkit {

namespace {

const QString source = QStringLiteral("Conversion");

[[noreturn]] void raise(qint32 number, const QString &what)
{
    throw Error(number, what, source);
}

void refuseNull(const QVariant &value)
{
    if (isNull(value))
        raise(ErrInvalidNull, QStringLiteral("Uso no válido de Null"));
}

double textToDouble(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double result = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        result = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        raise(ErrTypeMismatch, QStringLiteral("No coinciden los tipos: «%1» no es un número").arg(text));
    return result;
}

// Whole numbers round half to even, as the original runtime's integer conversions do.
qint64 roundToWhole(double value, double low, double high)
{
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < low || rounded > high)
        raise(ErrOverflow, QStringLiteral("Desbordamiento"));
    return static_cast<qint64>(rounded);
}

qint64 toWhole(const QVariant &value, double low, double high)
{
    refuseNull(value);
    if (isEmpty(value))
        return 0;
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qint64 whole = value.toLongLong();
        if (double(whole) < low || double(whole) > high)
            raise(ErrOverflow, QStringLiteral("Desbordamiento"));
        return whole;
    }
    default:
        return roundToWhole(toDouble(value), low, high);
    }
}

} // namespace

bool isEmpty(const QVariant &value)
{
    return !value.isValid();
}

bool isNull(const QVariant &value)
{
    return value.isValid() && value.isNull();
}

qint16 toInteger(const QVariant &value)
{
    return qint16(toWhole(value, -32768.0, 32767.0));
}

qint32 toLong(const QVariant &value)
{
    return qint32(toWhole(value, -2147483648.0, 2147483647.0));
}

double toDouble(const QVariant &value)
{
    refuseNull(value);
    if (isEmpty(value))
        return 0.0;
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>().toDouble();
    switch (value.typeId()) {
    case QMetaType::QString:
        return textToDouble(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        raise(ErrTypeMismatch, QStringLiteral("No coinciden los tipos: una fecha no es un número"));
    default:
        break;
    }
    bool ok = false;
    const double result = value.toDouble(&ok);
    if (!ok)
        raise(ErrTypeMismatch, QStringLiteral("No coinciden los tipos"));
    return result;
}

Currency toCurrency(const QVariant &value)
{
    refuseNull(value);
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>();
    if (value.typeId() == QMetaType::QString) {
        // Decimal text from the database keeps its exact digits.
        const QString text = value.toString().trimmed();
        if (const std::optional<Currency> exact = Currency::fromDecimalText(text))
            return *exact;
        bool ok = false;
        const double parsed = QLocale::c().toDouble(text, &ok);
        if (ok)
            return Currency::fromDouble(parsed);
    }
    return Currency::fromDouble(toDouble(value));
}

QString toText(const QVariant &value)
{
    refuseNull(value);
    if (isEmpty(value))
        return QString();
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>().toPlainText();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return PlainNumber::write(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
    case QMetaType::QDateTime:
        return DateFormat::format(value.toDateTime(), QStringLiteral("General Date"));
    case QMetaType::QDate:
        return DateFormat::format(QDateTime(value.toDate(), QTime(0, 0)), QStringLiteral("Short Date"));
    default:
        return value.toString();
    }
}

QDateTime toDate(const QVariant &value)
{
    refuseNull(value);
    if (isEmpty(value))
        return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        // The database keeps "yyyy-MM-dd HH:mm:ss"; ISO text with a "T" and a bare date read too.
        QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!moment.isValid())
            moment = QDateTime::fromString(text, Qt::ISODateWithMs);
        if (!moment.isValid())
            moment = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
        if (!moment.isValid())
            moment = QDateTime(QLocale().toDate(text, DateFormat::shortDatePattern()), QTime(0, 0));
        if (!moment.isValid())
            moment = QLocale().toDateTime(text, QLocale::ShortFormat);
        if (!moment.isValid())
            raise(ErrTypeMismatch, QStringLiteral("No coinciden los tipos: «%1» no es una fecha").arg(text));
        return moment;
    }
    default:
        raise(ErrTypeMismatch, QStringLiteral("No coinciden los tipos: el valor no es una fecha"));
    }
}

bool toBoolean(const QVariant &value)
{
    refuseNull(value);
    if (isEmpty(value))
        return false;
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
            || text.compare(QLatin1String("Verdadero"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0
            || text.compare(QLatin1String("Falso"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toDouble(value) != 0.0;
}

} // namespace toolkit
