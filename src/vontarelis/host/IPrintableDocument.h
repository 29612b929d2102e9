#pragma once

#include "vontarelis/host/IDocument.h"

#include <QList>
#include <QString>

#include <memory>

namespace host {

class IFramework;

// A document that the print library prints: a header answering variables, a print format,
// and detail lines repeated in the format's detail block.
class IPrintableDocument : public IDocument
{
public:
    virtual QString TipoEntidad() const = 0;
    virtual IFramework *Factoria() const = 0;
    virtual QString NombreArchivoFormato() = 0;
    virtual QList<std::shared_ptr<IDocument>> documentLines() = 0;
};

} // namespace host
