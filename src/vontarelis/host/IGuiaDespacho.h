#pragma once

#include "vontarelis/host/IDetalleGuiaDespacho.h"
#include "vontarelis/host/IPrintableDocument.h"
#include "vontarelis/host/IRecordset.h"

#include "toolkit/Currency.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

namespace host {

// The item lines of a guide, in the order of the detail query.
using Detalles = QList<std::shared_ptr<IDetalleGuiaDespacho>>;

// A dispatch guide as the host and the print library see it. Members in the order of the
// component's public interface; the fields are plain properties without validation.
class IGuiaDespacho : public IPrintableDocument
{
public:
    virtual qint32 id() const = 0;
    virtual void setId(qint32 value) = 0;
    virtual QString codigoConductor() const = 0;
    virtual void setCodigoConductor(const QString &value) = 0;
    virtual qint32 idVehiculo() const = 0;
    virtual void setIdVehiculo(qint32 value) = 0;
    virtual QDateTime fecha() const = 0;
    virtual void setFecha(const QDateTime &value) = 0;
    virtual QDateTime horaRegistro() const = 0;
    virtual void setHoraRegistro(const QDateTime &value) = 0;
    virtual QString operador() const = 0;
    virtual void setOperador(const QString &value) = 0;
    virtual qint16 facturas() const = 0;
    virtual void setFacturas(qint16 value) = 0;
    virtual double totalPeso() const = 0;
    virtual void setTotalPeso(double value) = 0;
    virtual toolkit::Currency totalPrecioVenta() const = 0;
    virtual void setTotalPrecioVenta(toolkit::Currency value) = 0;
    virtual toolkit::Currency totalIVA() const = 0;
    virtual void setTotalIVA(toolkit::Currency value) = 0;
    virtual QString codigoVendedor() const = 0;
    virtual void setCodigoVendedor(const QString &value) = 0;
    virtual QString zona() const = 0;
    virtual void setZona(const QString &value) = 0;
    virtual bool Cerrada() const = 0;
    virtual void setCerrada(bool value) = 0;

    // Drops the cached item lines; the next detalles() computes them again.
    virtual void invalidateDetalles() = 0;
    // Fills the fields from the current row of gdVontarelis; the recordset is not moved.
    virtual void loadInstance(const IRecordset &rs) = 0;
    // True when guide n exists; otherwise the object is left as it was.
    virtual bool Load(qint32 n) = 0;
    IFramework *Factoria() const override = 0;
    // Always "GDD".
    QString TipoEntidad() const override = 0;
    // Computed on the first call and cached: later calls return the same collection.
    virtual std::shared_ptr<const Detalles> detalles() = 0;
    // Stores the object as a new guide; id and horaRegistro become what its own insert stored.
    virtual void startProcess() = 0;
    // Links invoice numero to this guide.
    virtual void addFactura(qint32 numero) = 0;
    // True when the site's script answered the name.
    virtual bool ExtendEval(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) = 0;
    virtual QString NombreConductor() = 0;
    virtual QString NombreVendedor() = 0;
    // The script first, then the guide's own variables, the vehicle's and the company's.
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override = 0;
    virtual void ViewPrint(bool AutoPrint) = 0;
    // The route sheet ("Hoja de ruta"): the guide's stops in delivery order, for the customers
    // to sign; interactive unless AutoPrint.
    virtual void ViewPrintHojaDeRuta(bool AutoPrint) = 0;
    QString NombreArchivoFormato() override = 0;
};

} // namespace host
