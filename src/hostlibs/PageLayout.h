#pragma once

#include "hostlibs/PrintJob.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace hostlibs {

// Splits a print job into pages of at most linesPerPage lines: the header opens every page,
// the body flows after it, and the footer follows the last body line once, kept on one page
// when it fits on one; a footer that must start a page takes the last few body lines with it.
// A job with no body still prints its header and footer. A line may be taller than one line
// (a QR code): linesOf says how many it takes, and it is never split over two pages.
class PageLayout
{
public:
    using LineHeight = std::function<int(const QString &line)>;

    // Raises when not even the header and one more line fit on a page, or a line is taller
    // than the room under the header.
    static QList<QStringList> paginate(const PrintJob &job, int linesPerPage);
    static QList<QStringList> paginate(const PrintJob &job, int linesPerPage, const LineHeight &linesOf);
};

} // namespace hostlibs
