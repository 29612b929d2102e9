#include "hostlibs/PageLayout.h"

#include "toolkit/Error.h"

#include <algorithm>

namespace hostlibs {

namespace {

constexpr int CarriedLines = 3;

} // namespace

QList<QStringList> PageLayout::paginate(const PrintJob &job, int linesPerPage)
{
    const int room = linesPerPage - int(job.header.size());
    if (room < 1)
        throw toolkit::Error(toolkit::ErrInvalidCall,
                             QStringLiteral("El encabezado del formato (%1 líneas) no deja sitio en una página de %2 líneas")
                                 .arg(job.header.size())
                                 .arg(linesPerPage),
                             QStringLiteral("DocumentPrinter"));

    QList<QStringList> pages;
    QStringList page = job.header;
    const auto newPage = [&] {
        pages.append(page);
        page = job.header;
    };
    const auto used = [&] { return int(page.size()) - int(job.header.size()); };

    for (const QString &line : job.body) {
        if (used() == room)
            newPage();
        page.append(line);
    }
    const int footer = int(job.footer.size());
    if (footer <= room && used() + footer > room) {
        // The closing lines never stand alone under the column heads: the last body lines
        // go over with them, as many as fit beside them (at most CarriedLines).
        const int carried = std::max(0, std::min({CarriedLines, used() - 1, room - footer}));
        const QStringList moved = page.mid(page.size() - carried);
        page.resize(page.size() - carried);
        newPage();
        page += moved;
    }
    for (const QString &line : job.footer) {
        if (used() == room)
            newPage();
        page.append(line);
    }
    pages.append(page);
    return pages;
}

} // namespace hostlibs
