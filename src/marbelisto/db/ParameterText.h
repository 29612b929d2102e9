#pragma once

#include <QString>
#include <QVariant>

namespace marbelisto {

// The part of binding a statement parameter that both engines share: dates, times and
// booleans as the text and numbers the engines store, narrow integers widened, a null
// text as an empty one. Each engine handles money and its own limits before calling this.
QVariant plainParameter(const QVariant &value, const QString &dateTimePattern);
// The text as a string literal of standard SQL, which both engines read: its quotes doubled.
QString quotedText(const QString &text);

} // namespace marbelisto
