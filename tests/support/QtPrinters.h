#pragma once

// Readable failure messages for Qt values; every test source sees this first.
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '[' << list.join(QStringLiteral("\", \"")).prepend('"').append('"').toStdString() << ']';
}

inline void PrintTo(const QVariant &value, std::ostream *out)
{
    *out << value.metaType().name() << '(' << value.toString().toStdString() << ')';
}
