#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace vontarelis {

class InvoiceRows;
class ReturnReasons;
class SelectionTotals;

// Ticking the invoices that were delivered, one by one or all at once, with the totals of the
// ticked ones kept up to date. Unticking asks why the invoices came back; when the clerk
// cancels that question they stay ticked.
class TickSelection
{
public:
    TickSelection(InvoiceRows &rows, SelectionTotals &totals, ReturnReasons &returns);

    // Flips the row's tick and accounts for it.
    void CambiarSeleccion(qint32 fila);
    // The rows between the two, in either order: all ticked when one of them is not, else all
    // unticked (one reason for them all), each accounted for.
    void CambiarRango(qint32 desde, qint32 hasta);
    // Adds the row to the totals when it is ticked, subtracts it otherwise.
    void AcumularFila(qint32 fila);
    // "Incluir todas": ticks the unticked rows and adds exactly those.
    void IncluirTodas();
    // "Desmarcar todas": nothing ticked, every total 0, one reason for the invoices unticked.
    void DesmarcarTodas();

private:
    // Ticks an unticked row, or unticks a ticked one giving it the reason.
    void flip(qint32 fila, const QString &motivo);
    // One reason for the ticked rows between the two (none asked when no row is ticked);
    // nothing when the clerk cancelled.
    std::optional<QString> askReturn(qint32 primera, qint32 ultima) const;

    InvoiceRows &m_rows;
    SelectionTotals &m_totals;
    ReturnReasons &m_returns;
};

} // namespace vontarelis
