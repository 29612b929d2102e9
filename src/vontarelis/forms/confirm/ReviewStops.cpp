#include "vontarelis/forms/confirm/ReviewStops.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/forms/confirm/InvoiceRows.h"

#include <QMap>

#include <algorithm>

namespace vontarelis {

ReviewStops::ReviewStops(toolkit::FlexGrid &grid, const InvoiceRows &rows) : m_column(grid), m_rows(rows) {}

void ReviewStops::setUpColumn()
{
    m_column.setLayout();
}

void ReviewStops::load(qint32 idGuia)
{
    m_paradaDeFactura.clear();
    m_paradaDeCliente.clear();
    m_ultima = 0;
    const QHash<qint32, GuideStops::Link> links = GuideStops::of(idGuia);
    for (auto link = links.cbegin(); link != links.cend(); ++link) {
        m_paradaDeFactura.insert(link.key(), link->parada);
        if (link->parada != 0)
            m_paradaDeCliente.insert(link->codigoCliente, link->parada);
        m_ultima = std::max(m_ultima, link->parada);
    }
    for (qint32 row = m_rows.firstRow(); row < m_rows.rowCount(); ++row)
        m_column.show(row, m_rows.isInvoiceRow(row) ? m_paradaDeFactura.value(m_rows.numero(row)) : 0);
}

void ReviewStops::complete()
{
    for (qint32 row = m_rows.firstRow(); row < m_rows.rowCount(); ++row) {
        if (m_rows.isInvoiceRow(row))
            m_column.show(row, stopOf(m_rows.numero(row)));
    }
}

qint32 ReviewStops::stopOf(qint32 numero)
{
    if (const auto known = m_paradaDeFactura.constFind(numero); known != m_paradaDeFactura.cend())
        return *known;
    const QString cliente =
        toolkit::toText(SqlReadScalar(QStringLiteral("SELECT codigoCliente FROM facturas WHERE numero = ?"), {numero}));
    qint32 &parada = m_paradaDeCliente[cliente];
    if (parada == 0)
        parada = ++m_ultima;
    m_paradaDeFactura.insert(numero, parada);
    return parada;
}

QList<GuideStops::Stop> ReviewStops::stops() const
{
    QMap<qint32, QList<qint32>> byStop;
    for (qint32 row = m_rows.firstRow(); row < m_rows.rowCount(); ++row) {
        if (!m_rows.isInvoiceRow(row) || !m_rows.isTicked(row))
            continue;
        const qint32 parada = m_paradaDeFactura.value(m_rows.numero(row));
        if (parada != 0)
            byStop[parada] << m_rows.numero(row);
    }
    QList<GuideStops::Stop> stops;
    for (auto stop = byStop.cbegin(); stop != byStop.cend(); ++stop)
        stops.append({stop.key(), stop.value()});
    return stops;
}

} // namespace vontarelis
