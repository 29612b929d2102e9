#pragma once

#include <QCollator>

struct sqlite3;

namespace marbelisto {

// The collation that sorts text as a Spanish reader expects, registered on one SQLite
// connection under Name: accents do not move a word out of its letter (Maíz, Malta,
// Mayonesa), ñ is a letter of its own after n (Panela, Pañales, Papel) and case does not count.
// SQLite alone compares bytes. Must go before the connection closes: it unregisters itself.
class SpanishCollation
{
public:
    static constexpr const char *Name = "ESPANOL_CI";

    explicit SpanishCollation(sqlite3 *handle);
    ~SpanishCollation();
    SpanishCollation(const SpanishCollation &) = delete;
    SpanishCollation &operator=(const SpanishCollation &) = delete;

private:
    static int compare(void *self, int leftSize, const void *left, int rightSize, const void *right);

    sqlite3 *m_handle;
    QCollator m_collator;
};

} // namespace marbelisto
