#include "vontarelis/forms/select/StopOrder.h"

#include "toolkit/FlexGrid.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/forms/select/InvoiceListing.h"
#include "vontarelis/forms/select/InvoiceSelection.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace vontarelis {

StopOrder::StopOrder(toolkit::FlexGrid &grid) : m_grid(grid), m_column(grid) {}

void StopOrder::setColumnLayout()
{
    m_column.setLayout();
}

void StopOrder::start(const InvoiceListing &listing)
{
    // The new rows may stand where an earlier list showed stops.
    for (qint32 fila = 0; fila < qint32(m_rowShown.size()) && fila < m_grid.Rows(); ++fila) {
        if (m_rowShown[std::size_t(fila)] != 0)
            m_column.show(fila, 0);
    }
    m_customers.clear();
    m_filledNumbers.clear();
    m_filledNumbers.reserve(std::size_t(listing.size()));
    m_filledCustomers.clear();
    m_filledCustomers.reserve(std::size_t(listing.size()));
    QHash<QString, int> byCode;
    for (const InvoiceListing::Batch &batch : listing.batches()) {
        for (const InvoiceRow &row : batch.rows) {
            auto found = byCode.constFind(row.codigoCliente);
            if (found == byCode.cend()) {
                found = byCode.insert(row.codigoCliente, int(m_customers.size()));
                m_customers.push_back({row.codigoCliente, row.nombreCliente, row.ordenRuta});
            }
            m_filledNumbers.push_back(row.numero);
            m_filledCustomers.push_back(*found);
        }
    }
    m_rowCustomer.assign(std::size_t(m_grid.FixedRows()), -1);
    m_rowCustomer.insert(m_rowCustomer.end(), m_filledCustomers.cbegin(), m_filledCustomers.cend());
    m_rowCustomer.resize(std::size_t(m_grid.Rows()), -1);
    m_rowTicked.assign(m_rowCustomer.size(), false);
    m_rowShown.assign(m_rowCustomer.size(), 0);

    QCollator collator{QLocale(QLocale::Spanish)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_order.resize(m_customers.size());
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = int(i);
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        const Customer &x = m_customers[std::size_t(a)];
        const Customer &y = m_customers[std::size_t(b)];
        if (x.ordenRuta.has_value() != y.ordenRuta.has_value())
            return x.ordenRuta.has_value();
        if (x.ordenRuta != y.ordenRuta)
            return *x.ordenRuta < *y.ordenRuta;
        if (const int byName = collator.compare(x.nombre, y.nombre); byName != 0)
            return byName < 0;
        return x.codigo < y.codigo;
    });
}

// After rows left the grid (or it was emptied) the rows are matched to their customers again
// by their invoice numbers.
void StopOrder::readRows()
{
    QHash<qint32, int> customerOf;
    customerOf.reserve(qsizetype(m_filledNumbers.size()));
    for (std::size_t i = 0; i < m_filledNumbers.size(); ++i)
        customerOf.insert(m_filledNumbers[i], m_filledCustomers[i]);
    const std::size_t rows = std::size_t(m_grid.Rows());
    m_rowCustomer.assign(rows, -1);
    m_rowTicked.assign(rows, false);
    m_rowShown.assign(rows, 0);
    for (Customer &customer : m_customers)
        customer.marcadas = 0;
    for (qint32 fila = m_grid.FixedRows(); fila < m_grid.Rows(); ++fila) {
        const QString numero = m_grid.TextMatrix(fila, InvoiceSelection::ColNumero).trimmed();
        const auto found = numero.isEmpty() ? customerOf.cend() : customerOf.constFind(toolkit::toLong(numero));
        if (found == customerOf.cend())
            continue;
        const std::size_t at = std::size_t(fila);
        m_rowCustomer[at] = *found;
        m_rowTicked[at] = m_grid.TextMatrix(fila, InvoiceSelection::ColIncluir) == InvoiceSelection::Marcada;
        if (m_rowTicked[at])
            ++m_customers[std::size_t(*found)].marcadas;
        const QString shown = m_grid.TextMatrix(fila, m_column.index());
        m_rowShown[at] = shown.isEmpty() ? 0 : toolkit::toLong(shown);
    }
    renumber();
    showAll();
}

void StopOrder::update(qint32 desde, qint32 hasta)
{
    if (m_rowCustomer.size() != std::size_t(m_grid.Rows()))
        return readRows();
    const qint32 primera = std::max(std::min(desde, hasta), m_grid.FixedRows());
    const qint32 ultima = std::min(std::max(desde, hasta), m_grid.Rows() - 1);
    bool stopsChanged = false;
    for (qint32 fila = primera; fila <= ultima; ++fila) {
        const std::size_t at = std::size_t(fila);
        const int customer = m_rowCustomer[at];
        if (customer < 0)
            continue;
        const bool ticked = m_grid.TextMatrix(fila, InvoiceSelection::ColIncluir) == InvoiceSelection::Marcada;
        if (ticked == m_rowTicked[at])
            continue;
        m_rowTicked[at] = ticked;
        qint32 &marcadas = m_customers[std::size_t(customer)].marcadas;
        marcadas += ticked ? 1 : -1;
        // A customer that gains its first tick or loses its last moves every stop behind it.
        stopsChanged = stopsChanged || marcadas == (ticked ? 1 : 0);
    }
    if (stopsChanged) {
        renumber();
        return showAll();
    }
    for (qint32 fila = primera; fila <= ultima; ++fila)
        show(fila);
}

void StopOrder::updateAll()
{
    update(m_grid.FixedRows(), m_grid.Rows() - 1);
}

bool StopOrder::move(qint32 fila, int paso)
{
    if (m_rowCustomer.size() != std::size_t(m_grid.Rows()))
        readRows();
    if (fila < 0 || fila >= m_grid.Rows())
        return false;
    const int customer = m_rowCustomer[std::size_t(fila)];
    if (customer < 0 || m_customers[std::size_t(customer)].parada == 0)
        return false;
    const auto from = std::find(m_order.begin(), m_order.end(), customer);
    const auto hasStop = [this](int other) { return m_customers[std::size_t(other)].parada != 0; };
    if (paso < 0) {
        const auto before = std::find_if(std::make_reverse_iterator(from), m_order.rend(), hasStop);
        if (before == m_order.rend())
            return false;
        // Everything between the two has no stop: the customer goes just ahead of the other.
        std::rotate(std::prev(before.base()), from, std::next(from));
    } else {
        const auto after = std::find_if(std::next(from), m_order.end(), hasStop);
        if (after == m_order.end())
            return false;
        std::rotate(from, std::next(from), std::next(after));
    }
    renumber();
    showAll();
    return true;
}

QList<GuideStops::Stop> StopOrder::stops() const
{
    qint32 count = 0;
    for (const Customer &customer : m_customers)
        count = std::max(count, customer.parada);
    QList<GuideStops::Stop> stops(count);
    for (qint32 i = 0; i < count; ++i)
        stops[i].parada = i + 1;
    for (qint32 fila = m_grid.FixedRows(); fila < qint32(m_rowCustomer.size()) && fila < m_grid.Rows(); ++fila) {
        const std::size_t at = std::size_t(fila);
        if (!m_rowTicked[at] || m_rowCustomer[at] < 0)
            continue;
        const qint32 parada = m_customers[std::size_t(m_rowCustomer[at])].parada;
        stops[parada - 1].facturas << toolkit::toLong(m_grid.TextMatrix(fila, InvoiceSelection::ColNumero));
    }
    return stops;
}

void StopOrder::renumber()
{
    qint32 parada = 0;
    for (const int customer : m_order) {
        Customer &c = m_customers[std::size_t(customer)];
        c.parada = c.marcadas > 0 ? ++parada : 0;
    }
}

void StopOrder::show(qint32 fila)
{
    const std::size_t at = std::size_t(fila);
    const int customer = m_rowCustomer[at];
    const qint32 parada = customer >= 0 && m_rowTicked[at] ? m_customers[std::size_t(customer)].parada : 0;
    if (parada == m_rowShown[at])
        return;
    m_rowShown[at] = parada;
    m_column.show(fila, parada);
}

void StopOrder::showAll()
{
    for (qint32 fila = m_grid.FixedRows(); fila < qint32(m_rowCustomer.size()); ++fila)
        show(fila);
}

} // namespace vontarelis
