#pragma once

#include "marbelisto/ui/GuideFilter.h"

#include <QString>
#include <QVariantList>

namespace marbelisto {

// The SQL behind the guide list: one page of guides in the chosen order, and how many guides
// the filter lets through. Every page is a statement of its own, so no read stays open on the
// connection between pages while the dialogs write.
class GuideListQuery
{
public:
    // The list's columns, in display order.
    enum Column { Numero, Fecha, Conductor, Placa, Facturas, Peso, Total, Estado, ColumnCount };

    GuideListQuery(const GuideFilter &filter, int sortColumn, Qt::SortOrder order);

    // Columns: id, fecha, conductor, nombreConductor, placas, facturas, totalPeso,
    // totalPrecioVenta, totalIVA, Cerrada; the figures are a reviewed guide's dispatched ones.
    QString pageSql() const;
    QVariantList pageParameters(int limit, int offset) const;
    QString countSql() const;
    QVariantList countParameters() const;

private:
    QString whereClause() const;
    QString orderClause() const;

    GuideFilter m_filter;
    int m_sortColumn;
    Qt::SortOrder m_order;
};

} // namespace marbelisto
