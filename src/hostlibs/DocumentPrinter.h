#pragma once

#include "hostlibs/PrintResult.h"
#include "vontarelis/host/IDocumentPrinter.h"

namespace hostlibs {

class IPrintHost;

// The print library: asks the document for its format file, fills the format's fields and
// its detail block from the document and its lines, and prints the result where the host's
// printer setting says. Unknown fields print empty; each is named once in the warnings.
class DocumentPrinter : public host::IDocumentPrinter
{
public:
    explicit DocumentPrinter(IPrintHost &printHost);

    // The result is print() as a QVariantMap.
    QVariant PrintDocument(host::IPrintableDocument &document, bool interactive) override;
    PrintResult print(host::IPrintableDocument &document, bool interactive);

private:
    IPrintHost &m_printHost;
};

} // namespace hostlibs
