#pragma once

#include "vontarelis/host/IDocument.h"
#include "vontarelis/host/IRecordset.h"

#include <QString>
#include <QVariant>

namespace host {

// One item line of a dispatch guide: the net units and the weight that the guide's invoices
// took out of the warehouse. Members in the order of the component's public interface.
class IDetalleGuiaDespacho : public IDocument
{
public:
    virtual QString codigoItem() const = 0;
    virtual void setCodigoItem(const QString &value) = 0;
    virtual QString descripcion() const = 0;
    virtual void setDescripcion(const QString &value) = 0;
    virtual double unidades() const = 0;
    virtual void setUnidades(double value) = 0;
    // The line's total weight in kilograms.
    virtual double peso() const = 0;
    virtual void setPeso(double value) = 0;
    virtual double volumen() const = 0;
    virtual void setVolumen(double value) = 0;

    // Fills the line from the current row of the detail query; the recordset is not moved.
    virtual void loadInstance(const IRecordset &rs) = 0;
    // True when the site's script answered the name.
    virtual bool ExtendEval(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) = 0;
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override = 0;
};

} // namespace host
