#include "marbelisto/ui/GuideListQuery.h"

#include <QDateTime>

namespace marbelisto {

namespace {

// A reviewed guide shows the figures of the invoices that travelled, any other those recorded
// at registration.
const QString FacturasShown = QStringLiteral("COALESCE(g.facturasDespacho, g.facturas)");
const QString PesoShown = QStringLiteral("COALESCE(g.totalPesoDespacho, g.totalPeso)");
const QString PrecioVentaShown = QStringLiteral("COALESCE(g.totalPrecioVentaDespacho, g.totalPrecioVenta)");
const QString IvaShown = QStringLiteral("COALESCE(g.totalIVADespacho, g.totalIVA)");

const QString From = QStringLiteral(" FROM gdVontarelis g "
                                    "LEFT JOIN Vendedores v ON v.Codigo = g.conductor "
                                    "LEFT JOIN gdVehiculos vh ON vh.id = g.idVehiculo");

QString sortExpression(int column)
{
    switch (column) {
    case GuideListQuery::Fecha:
        return QStringLiteral("g.fecha");
    case GuideListQuery::Conductor:
        return QStringLiteral("COALESCE(v.Nombre, g.conductor)");
    case GuideListQuery::Placa:
        return QStringLiteral("COALESCE(vh.placas, '')");
    case GuideListQuery::Facturas:
        return FacturasShown;
    case GuideListQuery::Peso:
        return PesoShown;
    case GuideListQuery::Total:
        return PrecioVentaShown + QStringLiteral(" + ") + IvaShown;
    case GuideListQuery::Estado:
        return QStringLiteral("g.Cerrada");
    default:
        return QString();
    }
}

} // namespace

GuideListQuery::GuideListQuery(const GuideFilter &filter, int sortColumn, Qt::SortOrder order)
    : m_filter(filter), m_sortColumn(sortColumn), m_order(order)
{
}

QString GuideListQuery::pageSql() const
{
    return QStringLiteral("SELECT g.id, g.fecha, g.conductor, v.Nombre AS nombreConductor, vh.placas, ") + FacturasShown
           + QStringLiteral(" AS facturas, ") + PesoShown + QStringLiteral(" AS totalPeso, ") + PrecioVentaShown
           + QStringLiteral(" AS totalPrecioVenta, ") + IvaShown + QStringLiteral(" AS totalIVA, g.Cerrada") + From
           + whereClause() + orderClause() + QStringLiteral(" LIMIT ? OFFSET ?");
}

QVariantList GuideListQuery::pageParameters(int limit, int offset) const
{
    return countParameters() + QVariantList{limit, offset};
}

QString GuideListQuery::countSql() const
{
    // The joins cannot change the count, so the count goes without them.
    return QStringLiteral("SELECT COUNT(*) FROM gdVontarelis g") + whereClause();
}

QVariantList GuideListQuery::countParameters() const
{
    QVariantList parameters;
    if (m_filter.from.isValid())
        parameters.append(m_filter.from.startOfDay());
    if (m_filter.to.isValid())
        parameters.append(m_filter.to.addDays(1).startOfDay());
    return parameters;
}

QString GuideListQuery::whereClause() const
{
    QStringList conditions;
    if (m_filter.state == GuideFilter::State::Open)
        conditions.append(QStringLiteral("g.Cerrada = 0"));
    else if (m_filter.state == GuideFilter::State::Closed)
        conditions.append(QStringLiteral("g.Cerrada <> 0"));
    if (m_filter.from.isValid())
        conditions.append(QStringLiteral("g.fecha >= ?"));
    // A guide's date may carry a time of day, so the end is the start of the next day.
    if (m_filter.to.isValid())
        conditions.append(QStringLiteral("g.fecha < ?"));
    return conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

QString GuideListQuery::orderClause() const
{
    const QString direction = m_order == Qt::AscendingOrder ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    const QString expression = sortExpression(m_sortColumn);
    // The number breaks ties, so pages never overlap or leave a guide out.
    const QString byNumber = QStringLiteral("g.id") + direction;
    return QStringLiteral(" ORDER BY ") + (expression.isEmpty() ? byNumber : expression + direction + QStringLiteral(", ") + byNumber);
}

} // namespace marbelisto
