#include "marbelisto/db/DboPrefix.h"

namespace marbelisto {

namespace {

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

bool prefixAt(const QString &sql, qsizetype at)
{
    static constexpr QLatin1StringView prefix("dbo.");
    if (at > 0 && isIdentifierChar(sql.at(at - 1)))
        return false;
    return QStringView(sql).mid(at, prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

} // namespace

QString DboPrefix::strip(const QString &sql)
{
    QString result;
    result.reserve(sql.size());
    bool inLiteral = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        // A doubled quote inside a literal closes and reopens it, which leaves the state right.
        if (c == u'\'')
            inLiteral = !inLiteral;
        if (!inLiteral && (c == u'd' || c == u'D') && prefixAt(sql, i)) {
            i += 3;
            continue;
        }
        result.append(c);
    }
    return result;
}

} // namespace marbelisto
