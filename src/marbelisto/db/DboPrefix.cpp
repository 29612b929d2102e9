#include "marbelisto/db/DboPrefix.h"

#include "marbelisto/db/SqlWord.h"

namespace marbelisto {

namespace {

constexpr QLatin1StringView prefix("dbo.");

} // namespace

QString DboPrefix::strip(const QString &sql)
{
    // Every statement passes here; most name no schema.
    if (!sql.contains(prefix, Qt::CaseInsensitive))
        return sql;
    QString result;
    result.reserve(sql.size());
    bool inLiteral = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        // A doubled quote inside a literal closes and reopens it, which leaves the state right.
        if (c == u'\'')
            inLiteral = !inLiteral;
        if (!inLiteral && (c == u'd' || c == u'D') && sqlWordAt(sql, i, prefix)) {
            i += prefix.size() - 1;
            continue;
        }
        result.append(c);
    }
    return result;
}

} // namespace marbelisto
