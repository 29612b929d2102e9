#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// What every target shares: the input as text, split into the parts a target reads, and a
// finding reported the way libFuzzer records a crash (abort, so the input is kept).
namespace fuzz {

inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input's first parts, split at line feeds; the last one takes the rest, line feeds and all.
inline QStringList parts(const QString &input, int count)
{
    QStringList result;
    qsizetype from = 0;
    for (int i = 0; i < count - 1; ++i) {
        const qsizetype end = input.indexOf(u'\n', from);
        if (end < 0)
            break;
        result.append(input.mid(from, end - from));
        from = end + 1;
    }
    result.append(input.mid(from));
    while (result.size() < count)
        result.append(QString());
    return result;
}

// Locales whose separators differ: none, the country's own, a point for grouping and a comma
// for decimals, a blank for grouping, a point for decimals.
inline QLocale locale(unsigned choice)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QStringLiteral("es_VE")), QLocale(QStringLiteral("de_DE")),
                                      QLocale(QStringLiteral("fr_FR")), QLocale(QStringLiteral("en_US"))};
    return locales[choice % (sizeof locales / sizeof locales[0])];
}

[[noreturn]] inline void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "PROPERTY FAILED: %s\n%s\n", what, detail.toUtf8().constData());
    std::abort();
}

inline void check(bool holds, const char *what, const QString &detail)
{
    if (!holds)
        fail(what, detail);
}

} // namespace fuzz
