#pragma once

#include "toolkit/Currency.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

// Conversions of Variant values with the rules of the original runtime: Empty (an invalid
// QVariant) reads as 0 or an empty text, Null (a typed QVariant without value, as a database
// NULL arrives) raises "invalid use of Null", a text that is no number raises a type mismatch,
// and a value outside the target's range raises an overflow.
namespace toolkit {

bool isEmpty(const QVariant &value);
bool isNull(const QVariant &value);

qint16 toInteger(const QVariant &value);
qint32 toLong(const QVariant &value);
double toDouble(const QVariant &value);
Currency toCurrency(const QVariant &value);
QString toText(const QVariant &value);
QDateTime toDate(const QVariant &value);
bool toBoolean(const QVariant &value);

} // namespace toolkit
