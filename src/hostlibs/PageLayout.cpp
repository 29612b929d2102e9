#include "hostlibs/PageLayout.h"

#include "toolkit/Error.h"

namespace hostlibs {

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
    if (footer <= room && used() + footer > room)
        newPage();
    for (const QString &line : job.footer) {
        if (used() == room)
            newPage();
        page.append(line);
    }
    pages.append(page);
    return pages;
}

} // namespace hostlibs
