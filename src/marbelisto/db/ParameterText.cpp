#include "marbelisto/db/ParameterText.h"

#include <QDateTime>

namespace marbelisto {

QVariant plainParameter(const QVariant &value, const QString &dateTimePattern)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().isNull() ? QVariant(QStringLiteral("")) : value;
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? QVariant(value.toDateTime().toString(dateTimePattern))
                                            : QVariant(QMetaType::fromType<QString>());
    case QMetaType::QDate:
        return value.toDate().isValid() ? QVariant(value.toDate().toString(QStringLiteral("yyyy-MM-dd")))
                                        : QVariant(QMetaType::fromType<QString>());
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
        return value.toLongLong();
    case QMetaType::Float:
        return value.toDouble();
    default:
        return value;
    }
}

QString quotedText(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("''"));
    return u'\'' + quoted + u'\'';
}

} // namespace marbelisto
