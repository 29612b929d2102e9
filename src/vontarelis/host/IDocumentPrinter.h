#pragma once

#include <QVariant>

namespace host {

class IPrintableDocument;

// The print library: reads the document's format and fills it from the document.
class IDocumentPrinter
{
public:
    virtual ~IDocumentPrinter() = default;

    // interactive: preview for the user; otherwise straight to the configured printer.
    virtual QVariant PrintDocument(IPrintableDocument &document, bool interactive) = 0;
};

} // namespace host
