#pragma once

#include "hostlibs/PrintJob.h"

namespace host {
class IPrintableDocument;
}

namespace hostlibs {

class FieldFiller;
class PrintFormat;

// A print format filled from a document into the text of a print job: the header and the
// closing lines from the document, the detail block once for each of its lines, and each QR
// block as the text of its code.
class JobFiller
{
public:
    // filler keeps the names no document answered.
    static PrintJob fill(const PrintFormat &format, host::IPrintableDocument &document, FieldFiller &filler);
};

} // namespace hostlibs
