#pragma once

#include "vontarelis/host/IHostObject.h"

#include "toolkit/Currency.h"

#include <QDateTime>
#include <QString>

namespace host {

// The host's "Factura", loaded by its reference "<serie>-<numero>".
class IInvoice : public IHostObject
{
public:
    virtual bool LoadByRefSerie(const QString &reference) = 0;

    virtual qint32 numero() const = 0;
    virtual QString codigoVendedor() const = 0;
    virtual QDateTime FechaTransaccion() const = 0;
    virtual double tipoCambio() const = 0;
    virtual QString Referencia() const = 0;
    virtual QString NombreCliente() const = 0;
    virtual toolkit::Currency precioEfectivo() const = 0;
    virtual toolkit::Currency Impuesto1() const = 0;
};

} // namespace host
