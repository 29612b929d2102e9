#pragma once

#include "hostlibs/PrintDestination.h"
#include "hostlibs/PrintJob.h"
#include "hostlibs/PrintResult.h"

namespace hostlibs {

// Sends a print job to its destination: a PDF file in a folder, a printer, or Qt's print
// preview, from which the user prints on any printer or saves a PDF.
class JobPrinter
{
public:
    // Raises when the job cannot be printed; the result names where it went.
    static PrintResult print(const PrintJob &job, const PrintDestination &destination);
};

} // namespace hostlibs
