#pragma once

#include <QLatin1StringView>
#include <QString>

namespace marbelisto {

// Whether the word (any letter case) starts at `at` in the statement, rather than inside a
// longer name: what the engines look for when they rewrite SQL Server's names.
bool sqlWordAt(const QString &sql, qsizetype at, QLatin1StringView word);

} // namespace marbelisto
