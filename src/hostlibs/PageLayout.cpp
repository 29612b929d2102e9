#include "hostlibs/PageLayout.h"

#include "toolkit/Error.h"

#include <algorithm>
#include <numeric>

namespace hostlibs {

namespace {

constexpr int CarriedLines = 3;

[[noreturn]] void fail(const QString &description)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, description, QStringLiteral("DocumentPrinter"));
}

} // namespace

QList<QStringList> PageLayout::paginate(const PrintJob &job, int linesPerPage)
{
    return paginate(job, linesPerPage, [](const QString &) { return 1; });
}

QList<QStringList> PageLayout::paginate(const PrintJob &job, int linesPerPage, const LineHeight &linesOf)
{
    const auto heightOf = [&](const QStringList &lines) {
        return std::accumulate(lines.cbegin(), lines.cend(), 0,
                               [&](int sum, const QString &line) { return sum + linesOf(line); });
    };
    const int room = linesPerPage - heightOf(job.header);
    if (room < 1)
        fail(QStringLiteral("El encabezado del formato (%1 líneas) no deja sitio en una página de %2 líneas")
                 .arg(heightOf(job.header))
                 .arg(linesPerPage));

    QList<QStringList> pages;
    QStringList page = job.header;
    int used = 0;
    const auto newPage = [&] {
        pages.append(page);
        page = job.header;
        used = 0;
    };
    const auto placeWhole = [&](const QString &line) {
        const int height = linesOf(line);
        if (height > room)
            fail(QStringLiteral("Un código QR de %1 líneas no cabe bajo el encabezado en una página de %2 líneas")
                     .arg(height)
                     .arg(linesPerPage));
        if (used + height > room)
            newPage();
        page.append(line);
        used += height;
    };
    // Lines that belong together and are taller than a page start one of their own and flow on.
    const auto place = [&](const QString &line) {
        if (linesOf(line) <= room || !line.contains(u'\n'))
            return placeWhole(line);
        if (used > 0)
            newPage();
        for (const QString &part : line.split(u'\n'))
            placeWhole(part);
    };

    for (const QString &line : job.body)
        place(line);
    const int footer = heightOf(job.footer);
    if (footer <= room && used + footer > room) {
        // The closing lines never stand alone under the column heads: the last body lines
        // go over with them, as many as fit beside them (until CarriedLines lines, so one
        // block of lines that belong together is enough), never the page's only body line.
        const qsizetype bodyLines = page.size() - job.header.size();
        int carried = 0;
        int carriedHeight = 0;
        while (carriedHeight < CarriedLines && carried < bodyLines - 1) {
            const int height = linesOf(page.at(page.size() - 1 - carried));
            if (carriedHeight + height > room - footer)
                break;
            carriedHeight += height;
            ++carried;
        }
        const QStringList moved = page.mid(page.size() - carried);
        page.resize(page.size() - carried);
        newPage();
        for (const QString &line : moved)
            place(line);
    }
    for (const QString &line : job.footer)
        place(line);
    pages.append(page);
    return pages;
}

} // namespace hostlibs
