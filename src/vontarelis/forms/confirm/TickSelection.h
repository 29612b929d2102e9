#pragma once

#include <QtGlobal>

namespace vontarelis {

class InvoiceRows;
class SelectionTotals;

// Ticking the invoices that were delivered, one by one or all at once, with the totals of the
// ticked ones kept up to date.
class TickSelection
{
public:
    TickSelection(InvoiceRows &rows, SelectionTotals &totals);

    // Flips the row's tick and accounts for it.
    void CambiarSeleccion(qint32 fila);
    // The rows between the two, in either order: all ticked when one of them is not, else all
    // unticked, each accounted for.
    void CambiarRango(qint32 desde, qint32 hasta);
    // Adds the row to the totals when it is ticked, subtracts it otherwise.
    void AcumularFila(qint32 fila);
    // "Incluir todas": ticks the unticked rows and adds exactly those.
    void IncluirTodas();
    // "Desmarcar todas": nothing ticked, every total 0.
    void DesmarcarTodas();

private:
    InvoiceRows &m_rows;
    SelectionTotals &m_totals;
};

} // namespace vontarelis
