#pragma once

#include "hostlibs/PrintJob.h"

class QPagedPaintDevice;

namespace hostlibs {

// Paints a print job on a printer or a PDF writer in DejaVu Sans Mono, a fixed pitch so that
// the columns of a format line up: the largest size up to 10 points at which the job's columns
// fit the page, pages as PageLayout cuts them, and "Página N de M" at the foot of each. A line
// longer than the page wraps between words, its continuation under its own indentation, rather
// than shrink the whole print for one long value. A QR
// marker line prints its code at the marker's column, with modules of a fixed physical size so
// that a scanner reads it whatever the font size, taking as many lines as it is tall.
class PageRenderer
{
public:
    explicit PageRenderer(const PrintJob &job);

    // Returns the number of pages painted.
    int render(QPagedPaintDevice &device) const;

private:
    const PrintJob &m_job;
};

} // namespace hostlibs
