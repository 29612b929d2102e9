#include "marbelisto/db/SpanishCollation.h"

#include "marbelisto/db/DatabaseError.h"

#include <QLocale>
#include <QString>

#include <sqlite3.h>

namespace marbelisto {

SpanishCollation::SpanishCollation(sqlite3 *handle)
    : m_handle(handle), m_collator(QLocale(QLocale::Spanish))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    if (sqlite3_create_collation_v2(m_handle, Name, SQLITE_UTF8, this, &SpanishCollation::compare, nullptr)
        != SQLITE_OK)
        throw databaseError(QString::fromUtf8(sqlite3_errmsg(m_handle)));
}

SpanishCollation::~SpanishCollation()
{
    sqlite3_create_collation_v2(m_handle, Name, SQLITE_UTF8, nullptr, nullptr, nullptr);
}

int SpanishCollation::compare(void *self, int leftSize, const void *left, int rightSize, const void *right)
{
    const QString a = QString::fromUtf8(static_cast<const char *>(left), leftSize);
    const QString b = QString::fromUtf8(static_cast<const char *>(right), rightSize);
    return static_cast<const SpanishCollation *>(self)->m_collator.compare(a, b);
}

} // namespace marbelisto
