#include "vontarelis/forms/select/InvoiceSearch.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/InvoiceReference.h"

namespace vontarelis {

namespace {

// Missing amounts, rates and weights count as 0, missing texts and dates as empty.
double numberOrZero(const QVariant &value)
{
    return toolkit::isNull(value) ? 0.0 : toolkit::toDouble(value);
}

toolkit::Currency moneyOrZero(const QVariant &value)
{
    return toolkit::isNull(value) ? toolkit::Currency() : toolkit::toCurrency(value);
}

QString textOrEmpty(const QVariant &value)
{
    return toolkit::isNull(value) ? QString() : toolkit::toText(value);
}

QDateTime dateOrEmpty(const QVariant &value)
{
    return toolkit::isNull(value) ? QDateTime() : toolkit::toDate(value);
}

} // namespace

QString InvoiceSearch::sql(const QString &zona, const QString &vendedor)
{
    host::IFramework &host = CurrentHost();
    const QString zonaClause = zona.isEmpty() ? QString() : QStringLiteral(" AND Zona = ") + host.StringDB(zona) + u' ';
    const QString vendedorClause =
        vendedor.isEmpty() ? QString() : QStringLiteral(" AND VendedorAsignado = ") + host.StringDB(vendedor) + u' ';
    return QStringLiteral("SELECT f.serie, f.correlativo, f.numero, f.precioEfectivo, f.Impuesto1, ")
           + QStringLiteral("f.tipocambio, f.FechaTransaccion, c.nombre, dbo.PesoFactura(f.numero) As peso, ")
           + QStringLiteral("f.NombreCliente, f.codigoCliente, c.ordenRuta ") + QStringLiteral("FROM (SELECT * FROM facturas f ")
           + QStringLiteral("WHERE Despachada = 0 ") + QStringLiteral("AND NOT EXISTS (SELECT * FROM gdFacturasGuia ")
           + QStringLiteral("WHERE numeroFactura = f.numero)) f ")
           + QStringLiteral("INNER JOIN (SELECT * FROM clientes WHERE 1 = 1 ") + zonaClause + vendedorClause
           + QStringLiteral(") c on c.codigo = f.codigoCliente ") + QStringLiteral("ORDER BY f.fechaTransaccion, f.numero");
}

QString InvoiceSearch::read(const QString &zona, const QString &vendedor, const std::function<void(InvoiceRow &&)> &add)
{
    // Columns by their place in the select list above, which a lookup by name costs on every row.
    enum Column {
        Serie, Correlativo, Numero, PrecioEfectivo, Impuesto, Tipocambio, Fecha, Nombre, Peso, NombreCliente, CodigoCliente,
        OrdenRuta
    };

    for (auto rs = SqlOpenRecordset(sql(zona, vendedor), {}); !rs->Eof(); rs->MoveNext()) {
        InvoiceRow row;
        row.serie = textOrEmpty(rs->Fields(Serie));
        row.correlativo = toolkit::toLong(rs->Fields(Correlativo));
        double tasa = numberOrZero(rs->Fields(Tipocambio));
        if (tasa == 0.0)
            tasa = gTipoCambio;
        if (tasa == 0.0)
            return InvoiceReference::of(row.serie, row.correlativo);
        row.tasa = tasa;
        row.numero = toolkit::toLong(rs->Fields(Numero));
        row.precioEfectivo = moneyOrZero(rs->Fields(PrecioEfectivo));
        row.impuesto = moneyOrZero(rs->Fields(Impuesto));
        row.fecha = dateOrEmpty(rs->Fields(Fecha));
        row.nombreCliente = textOrEmpty(rs->Fields(NombreCliente));
        row.peso = numberOrZero(rs->Fields(Peso));
        row.codigoCliente = textOrEmpty(rs->Fields(CodigoCliente));
        if (const QVariant orden = rs->Fields(OrdenRuta); !toolkit::isNull(orden))
            row.ordenRuta = toolkit::toLong(orden);
        add(std::move(row));
    }
    return QString();
}

} // namespace vontarelis
