#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace host {

// A document as the print library and the scripting extension see it: it answers print
// variables by name and shows its fields, read-only, to site scripts.
class IDocument
{
public:
    virtual ~IDocument() = default;

    virtual bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) = 0;
    // Field name to value, for scripts.
    virtual QVariantMap documentFields() const = 0;
};

} // namespace host
