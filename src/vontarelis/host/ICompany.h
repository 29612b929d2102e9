#pragma once

#include "vontarelis/host/IHostObject.h"

#include <QString>
#include <QVariant>

namespace host {

// The host's "Empresa": exchange rate, number masks and the company's print variables.
class ICompany : public IHostObject
{
public:
    virtual double tipoCambio() const = 0;
    virtual QString MascaraMonetarios() const = 0;
    virtual QString MascaraPrecios() const = 0;
    virtual QString MascaraCantidades() const = 0;
    // True when sVarId names a company print variable; then both outputs are set.
    virtual bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) = 0;
};

} // namespace host
