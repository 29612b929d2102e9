#pragma once

#include "vontarelis/host/IDocument.h"

#include <QList>
#include <QString>

#include <memory>

namespace host {

class IFramework;

// A document that the print library prints: a header answering variables, a print format,
// detail lines repeated in the format's detail block, and named lists below them.
class IPrintableDocument : public IDocument
{
public:
    virtual QString TipoEntidad() const = 0;
    virtual IFramework *Factoria() const = 0;
    virtual QString NombreArchivoFormato() = 0;
    virtual QList<std::shared_ptr<IDocument>> documentLines() = 0;
    // The items of a named list the format prints below the lines; empty for a name it does not know.
    virtual QList<std::shared_ptr<IDocument>> documentList(const QString &name) = 0;
};

} // namespace host
