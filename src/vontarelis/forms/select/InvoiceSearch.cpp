#include "vontarelis/forms/select/InvoiceSearch.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"

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
           + QStringLiteral("f.NombreCliente ") + QStringLiteral("FROM (SELECT * FROM facturas f ")
           + QStringLiteral("WHERE Despachada = 0 ") + QStringLiteral("AND NOT EXISTS (SELECT * FROM gdFacturasGuia ")
           + QStringLiteral("WHERE numeroFactura = f.numero)) f ")
           + QStringLiteral("INNER JOIN (SELECT * FROM clientes WHERE 1 = 1 ") + zonaClause + vendedorClause
           + QStringLiteral(") c on c.codigo = f.codigoCliente ") + QStringLiteral("ORDER BY f.fechaTransaccion, f.numero");
}

InvoiceSearch::Result InvoiceSearch::read(const QString &zona, const QString &vendedor)
{
    static const QString serie = QStringLiteral("serie");
    static const QString correlativo = QStringLiteral("correlativo");
    static const QString numero = QStringLiteral("numero");
    static const QString precioEfectivo = QStringLiteral("precioEfectivo");
    static const QString impuesto = QStringLiteral("Impuesto1");
    static const QString tipocambio = QStringLiteral("tipocambio");
    static const QString fecha = QStringLiteral("FechaTransaccion");
    static const QString peso = QStringLiteral("peso");
    static const QString nombreCliente = QStringLiteral("NombreCliente");

    Result result;
    for (auto rs = SqlOpenRecordset(sql(zona, vendedor), {}); !rs->Eof(); rs->MoveNext()) {
        InvoiceRow row;
        row.serie = textOrEmpty(rs->Fields(serie));
        row.correlativo = toolkit::toLong(rs->Fields(correlativo));
        double tasa = numberOrZero(rs->Fields(tipocambio));
        if (tasa == 0.0)
            tasa = gTipoCambio;
        if (tasa == 0.0) {
            result.sinTasa = referencia(row.serie, row.correlativo);
            return result;
        }
        row.tasa = tasa;
        row.numero = toolkit::toLong(rs->Fields(numero));
        row.precioEfectivo = moneyOrZero(rs->Fields(precioEfectivo));
        row.impuesto = moneyOrZero(rs->Fields(impuesto));
        row.fecha = dateOrEmpty(rs->Fields(fecha));
        row.nombreCliente = textOrEmpty(rs->Fields(nombreCliente));
        row.peso = numberOrZero(rs->Fields(peso));
        result.rows.push_back(std::move(row));
    }
    return result;
}

QString InvoiceSearch::referencia(const QString &serie, qint32 correlativo)
{
    const QString digits = QString::number(qAbs(qint64(correlativo))).rightJustified(6, u'0');
    return serie + u'-' + (correlativo < 0 ? QStringLiteral("-") : QString()) + digits;
}

} // namespace vontarelis
