#include "marbelisto/db/SqlWord.h"

namespace marbelisto {

bool sqlWordAt(const QString &sql, qsizetype at, QLatin1StringView word)
{
    const auto isIdentifierChar = [](QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; };
    if (at > 0 && isIdentifierChar(sql.at(at - 1)))
        return false;
    return QStringView(sql).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace marbelisto
