#include "vontarelis/forms/confirm/InvoiceByReference.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/InvoiceReference.h"
#include "vontarelis/forms/confirm/InvoiceRows.h"
#include "vontarelis/forms/confirm/SelectionTotals.h"
#include "vontarelis/host/IInputBox.h"
#include "vontarelis/host/IInvoice.h"
#include "vontarelis/model/GuiaDespacho.h"

namespace vontarelis {

namespace {

const QString InvalidReference = QStringLiteral("Referencia inválida (use el formato <serie>-<numero>)");

std::shared_ptr<host::IInvoice> newInvoice()
{
    auto factura = std::dynamic_pointer_cast<host::IInvoice>(CreateHostObject(QStringLiteral("Factura")));
    if (!factura)
        throw toolkit::Error(toolkit::ErrCannotCreateObject, QStringLiteral("El anfitrión no creó el objeto «Factura»"),
                             QStringLiteral("frmConfirmarBruvelos::cbAgregarFactura_Click"));
    return factura;
}

QString askReference()
{
    const std::shared_ptr<host::IInputBox> box = CurrentHost().InputBoxEx();
    if (!box)
        throw toolkit::Error(toolkit::ErrCannotCreateObject, QStringLiteral("El anfitrión no ofrece un cuadro de texto"),
                             QStringLiteral("frmConfirmarBruvelos::cbAgregarFactura_Click"));
    return box->GetText(
        QStringLiteral("Agregar factura"), QStringLiteral("Referencia de la factura"),
        QStringLiteral("Introduzca la referencia de la factura (<serie>-<correlativo>) - deje en blanco para no hacer "
                       "nada"),
        4500, false, 14, QString());
}

} // namespace

InvoiceByReference::InvoiceByReference(const GuiaDespacho &guia, InvoiceRows &rows, SelectionTotals &totals)
    : m_guia(guia), m_rows(rows), m_totals(totals)
{
}

void InvoiceByReference::Agregar()
{
    host::ICommonUtilities &utilities = hostlibs::CommonUtilities();
    const std::shared_ptr<host::IInvoice> factura = newInvoice();
    for (;;) {
        const QString reference = askReference();
        if (reference.isEmpty())
            return;
        if (!InvoiceReference::isValid(reference)) {
            utilities.ShowMessage(InvalidReference);
            continue;
        }
        const bool found = InvoiceReference::fitsInvoiceNumber(reference) && factura->LoadByRefSerie(reference);
        const QString message = found ? refusal(*factura) : QStringLiteral("Factura no localizada");
        if (message.isEmpty())
            break;
        utilities.ShowMessage(message);
    }
    add(*factura);
}

QString InvoiceByReference::refusal(const host::IInvoice &factura) const
{
    // A guide without salesperson takes the invoices of any.
    if (!m_guia.codigoVendedor().isEmpty() && factura.codigoVendedor() != m_guia.codigoVendedor())
        return QStringLiteral("La factura no corresponde al vendedor de la guia");
    // Guides are dated at midnight and invoices at their time of issue: the day decides.
    if (factura.FechaTransaccion().date() > m_guia.fecha().date())
        return QStringLiteral("La fecha de la factura es posterior a la de la guía");
    const qint32 otraGuia = toolkit::toLong(SqlReadScalar(
        QStringLiteral("SELECT idGuia FROM gdFacturasGuia WHERE numeroFactura = ?"), {factura.numero()}));
    if (otraGuia != 0)
        return hostlibs::CommonUtilities().FormatText(QStringLiteral("La factura está asignada a otra guia (%1)"),
                                                      {otraGuia});
    // Listed twice it would be counted twice in the totals.
    if (m_rows.contains(factura.numero()))
        return QStringLiteral("La factura ya está en la lista");
    return {};
}

void InvoiceByReference::add(const host::IInvoice &factura)
{
    const double rate = InvoiceRows::rate(factura.tipoCambio());
    const double peso = toolkit::toDouble(SqlReadScalar(QStringLiteral("SELECT dbo.PesoFactura(?)"), {factura.numero()}));
    const double bruto = (factura.precioEfectivo() + factura.Impuesto1()).toDouble() / rate;

    InvoiceRows::Invoice invoice;
    invoice.referencia = factura.Referencia();
    invoice.fecha = factura.FechaTransaccion();
    invoice.cliente = factura.NombreCliente();
    invoice.valor = toolkit::NumberFormat::format(bruto, CurrentEmpresa().MascaraPrecios());
    invoice.peso = peso;
    invoice.neto = factura.precioEfectivo().toDouble() / rate;
    invoice.impuesto = factura.Impuesto1().toDouble() / rate;
    invoice.numero = factura.numero();
    const qint32 row = m_rows.insertAt(m_rows.placeFor(invoice.fecha.date(), invoice.numero));
    m_rows.fill(row, invoice);

    SelectionTotals::Totals totals = m_totals.read();
    totals.peso += peso;
    totals.valor += m_rows.value(row);
    totals.cantidad += 1;
    m_totals.write(totals);
}

} // namespace vontarelis
