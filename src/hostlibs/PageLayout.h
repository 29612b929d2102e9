#pragma once

#include "hostlibs/PrintJob.h"

#include <QList>
#include <QStringList>

namespace hostlibs {

// Splits a print job into pages of at most linesPerPage lines: the header opens every page,
// the body flows after it, and the footer follows the last body line once, kept on one page
// when it fits on one; a footer that must start a page takes the last few body lines with it.
// A job with no body still prints its header and footer.
class PageLayout
{
public:
    // Raises when not even the header and one more line fit on a page.
    static QList<QStringList> paginate(const PrintJob &job, int linesPerPage);
};

} // namespace hostlibs
