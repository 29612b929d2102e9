#pragma once

#include "vontarelis/host/IInvoice.h"

namespace host {
class IFramework;
}

namespace marbelisto {

// An invoice of the table facturas, found by its reference "<serie>-<correlativo>".
class Factura : public host::IInvoice
{
public:
    explicit Factura(host::IFramework &framework) : m_framework(framework) {}

    // "A-000042" and "A-42" name the same invoice. Not found: false, and the fields keep
    // what they held.
    bool LoadByRefSerie(const QString &reference) override;

    qint32 numero() const override { return m_numero; }
    QString codigoVendedor() const override { return m_codigoVendedor; }
    QDateTime FechaTransaccion() const override { return m_fechaTransaccion; }
    double tipoCambio() const override { return m_tipoCambio; }
    // The series, "-" and the correlative with six digits at least: "A-000042".
    QString Referencia() const override;
    QString NombreCliente() const override { return m_nombreCliente; }
    toolkit::Currency precioEfectivo() const override { return m_precioEfectivo; }
    toolkit::Currency Impuesto1() const override { return m_impuesto1; }

private:
    host::IFramework &m_framework;
    qint32 m_numero = 0;
    QString m_serie;
    qint32 m_correlativo = 0;
    QString m_codigoVendedor;
    QDateTime m_fechaTransaccion;
    double m_tipoCambio = 0.0;
    QString m_nombreCliente;
    toolkit::Currency m_precioEfectivo;
    toolkit::Currency m_impuesto1;
};

} // namespace marbelisto
