#pragma once

#include "vontarelis/data/GuideStops.h"
#include "vontarelis/ui/StopColumn.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace toolkit {
class FlexGrid;
}

namespace vontarelis {

class InvoiceListing;

// The ticked invoices of the selection grid as stops in delivery order: one stop per customer,
// numbered from 1 over the customers that have a ticked invoice. The order starts with the
// customers by their route position, those without one after them by name, and the clerk moves
// a customer's stop ahead of the stop before it or behind the one after it. Customers are
// ordered by the name on their first invoice. The number shows in
// a column of its own, after the hidden ones, on every ticked row; what each row shows is
// remembered so that a tick rewrites only the rows whose number changed.
class StopOrder
{
public:
    // Adds the stop column to the grid.
    explicit StopOrder(toolkit::FlexGrid &grid);

    // The column's width and alignment, after the hidden columns were hidden.
    void setColumnLayout();
    // A list just filled from this listing: every customer in starting order, no stop yet.
    void start(const InvoiceListing &listing);
    // The ticks changed between these rows (in either order); a grid that lost rows is read again.
    void update(qint32 desde, qint32 hasta);
    void updateAll();
    // Moves the stop of the row's customer one place ahead (paso -1) or back (+1); false when
    // the row has no stop or the stop is already first or last.
    bool move(qint32 fila, int paso);
    // The ticked invoices by stop, in delivery order.
    QList<GuideStops::Stop> stops() const;

private:
    struct Customer
    {
        QString codigo;
        QString nombre;
        std::optional<qint32> ordenRuta;
        qint32 marcadas = 0;
        qint32 parada = 0;
    };

    void readRows();
    void renumber();
    void show(qint32 fila);
    void showAll();

    toolkit::FlexGrid &m_grid;
    StopColumn m_column;
    std::vector<Customer> m_customers;
    // Customer indexes in delivery order.
    std::vector<int> m_order;
    // The invoice numbers of the rows as filled, beside their customers: where each invoice's
    // customer is looked up once rows have left the grid.
    std::vector<qint32> m_filledNumbers;
    std::vector<int> m_filledCustomers;
    // Per grid row: its customer (-1: none), whether it counts as ticked, the stop it shows.
    std::vector<int> m_rowCustomer;
    std::vector<bool> m_rowTicked;
    std::vector<qint32> m_rowShown;
};

} // namespace vontarelis
