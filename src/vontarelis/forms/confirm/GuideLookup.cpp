#include "vontarelis/forms/confirm/GuideLookup.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/DateFormat.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/confirm/InvoiceRows.h"
#include "vontarelis/forms/confirm/SelectionTotals.h"
#include "vontarelis/model/GuiaDespacho.h"
#include "vontarelis/model/InvoiceReference.h"
#include "vontarelis/model/vehiculos.h"

#include <QLabel>

#include <cmath>
#include <limits>

namespace vontarelis {

namespace {

constexpr qint32 InitialRows = 50;
constexpr qint32 GrowBy = 10;

const QString InvoicesOfGuide = QStringLiteral(
    "SELECT f.serie, f.correlativo, f.numero, f.precioEfectivo, f.Impuesto1, "
    "f.tipocambio, f.FechaTransaccion, c.nombre, dbo.PesoFactura(f.numero) As peso, "
    "f.NombreCliente "
    "FROM (SELECT * FROM facturas f "
    "WHERE EXISTS (SELECT 1 FROM gdFacturasGuia "
    "WHERE numeroFactura = f.numero AND idGuia = ?)) f "
    "INNER JOIN clientes c on c.codigo = f.codigoCliente "
    "ORDER BY f.fechaTransaccion, f.numero");

InvoiceRows::Invoice readInvoice(const host::IRecordset &rs, const QString &mascaraMonetarios)
{
    const auto field = [&rs](const char *name) { return rs.Fields(QString::fromLatin1(name)); };
    const double rate = InvoiceRows::rate(toolkit::toDouble(field("tipocambio")));
    const toolkit::Currency precio = toolkit::toCurrency(field("precioEfectivo"));
    const toolkit::Currency impuesto = toolkit::toCurrency(field("Impuesto1"));
    InvoiceRows::Invoice invoice;
    invoice.referencia = InvoiceReference::of(toolkit::toText(field("serie")), toolkit::toLong(field("correlativo")));
    invoice.fecha = toolkit::toDate(field("FechaTransaccion"));
    invoice.cliente = toolkit::toText(field("NombreCliente"));
    invoice.valor = toolkit::NumberFormat::format((precio + impuesto).toDouble() / rate, mascaraMonetarios);
    invoice.neto = precio.toDouble() / rate;
    invoice.impuesto = impuesto.toDouble() / rate;
    invoice.numero = toolkit::toLong(field("numero"));
    invoice.peso = toolkit::toDouble(field("peso"));
    return invoice;
}

} // namespace

GuideLookup::GuideLookup(GuiaDespacho &guia, const HeaderLabels &header, SelectionTotals &totals, InvoiceRows &rows)
    : m_guia(guia), m_header(header), m_totals(totals), m_rows(rows)
{
}

bool GuideLookup::Buscar(double numero)
{
    host::ICommonUtilities &utilities = hostlibs::CommonUtilities();
    const double whole = std::nearbyint(numero);
    if (whole == 0) {
        utilities.ShowMessage(QStringLiteral("Introduzca un número de guía válido"));
        return false;
    }
    const bool fitsLong = whole >= std::numeric_limits<qint32>::min() && whole <= std::numeric_limits<qint32>::max();
    if (!fitsLong || !m_guia.Load(qint32(whole))) {
        utilities.ShowMessage(QStringLiteral("Guia no registrada"));
        return false;
    }
    if (m_guia.Cerrada()) {
        utilities.ShowMessage(QStringLiteral("Guía cerrada"));
        return false;
    }
    // The row's, read before the invoices: a change made after it shows as another version at
    // "Procesar".
    m_version = m_guia.version();
    MostrarGuia();
    m_shown = m_guia.id();
    return true;
}

bool GuideLookup::keepShown(double numero)
{
    if (m_shown == 0 || std::nearbyint(numero) != m_shown)
        return false;
    // A closed guide refused since is held in guia while the screen still shows this one.
    return m_guia.id() == m_shown || m_guia.Load(m_shown);
}

void GuideLookup::MostrarGuia()
{
    m_header.fechaDespacho->setText(toolkit::DateFormat::format(m_guia.fecha(), InvoiceRows::DatePattern));
    // The guide's figures, not those of the grid.
    const GuideFigures figures = m_guia.figures();
    m_totals.write({figures.totalPrecioVenta + figures.totalIVA, figures.totalPeso, figures.facturas});
    const Vehiculo vehiculo = LoadVehiculoById(m_guia.idVehiculo());
    m_header.tipoVehiculo->setText(vehiculo.descTipo);
    m_header.placas->setText(vehiculo.placas);
    m_header.nombreConductor->setText(m_guia.NombreConductor());
    m_header.nombreVendedor->setText(m_guia.NombreVendedor());
    if (listInvoices())
        return;
    // Never another guide's invoices under this guide's header.
    m_rows.removeAll();
    hostlibs::CommonUtilities().ShowMessage(QStringLiteral("No parece haber facturas relacionadas con esa guia"));
}

bool GuideLookup::listInvoices()
{
    const auto rs = SqlOpenRecordset(InvoicesOfGuide, {m_guia.id()});
    if (rs->Eof())
        return false;
    const QString mascaraMonetarios = CurrentEmpresa().MascaraMonetarios();
    m_rows.setRowCount(InitialRows);
    qint32 row = m_rows.firstRow();
    for (; !rs->Eof(); rs->MoveNext()) {
        if (row == m_rows.rowCount())
            m_rows.setRowCount(m_rows.rowCount() + GrowBy);
        m_rows.fill(row, readInvoice(*rs, mascaraMonetarios));
        ++row;
    }
    m_rows.setRowCount(row);
    m_rows.showFirst();
    return true;
}

void GuideLookup::clearHeader()
{
    for (QLabel *label : {m_header.tipoVehiculo, m_header.placas, m_header.nombreConductor, m_header.nombreVendedor,
                          m_header.fechaDespacho})
        label->clear();
    m_totals.clear();
    m_shown = 0;
}

} // namespace vontarelis
