#pragma once

#include "vontarelis/model/GuideFigures.h"

#include <QList>

#include <utility>
#include <vector>

namespace toolkit {
class FlexGrid;
}

namespace vontarelis {

class InvoiceListing;

// The selection grid `detalles` and the running totals of its ticked rows. Column 4 holds the
// tick, one "Wingdings" character; hidden columns 5 to 8 hold weight, net value, tax and the
// invoice number as plain number text, the only source of the totals. A row without an invoice
// number (the empty row before the first load) can never be ticked.
class InvoiceSelection
{
public:
    static constexpr qint32 ColIncluir = 4;
    static constexpr qint32 ColPeso = 5;
    static constexpr qint32 ColNeto = 6;
    static constexpr qint32 ColIVA = 7;
    static constexpr qint32 ColNumero = 8;
    static inline const QString Marcada = QStringLiteral("þ");
    static inline const QString Desmarcada = QStringLiteral("o");

    enum Accion : qint16 { SeleccionarTodas = 0, DesmarcarTodas = 1, InvertirSeleccion = 2 };

    // Gives the grid its columns and headers and the one empty row of a new dialog.
    explicit InvoiceSelection(toolkit::FlexGrid &grid);

    // Back to the one empty row of a new dialog, nothing ticked.
    void VolverAlDiseno();
    // Alignments of the visible columns; the hidden ones get width 0.
    void setColumnLayout();
    // One unticked row per invoice of a finished listing, exactly, its texts moved into the
    // grid; the first row's tick current and on screen; the totals start again from zero.
    void fill(InvoiceListing &listing);

    // Flips the row's tick and accounts for it; false (and nothing done) for a row without invoice.
    bool CambiarSeleccion(qint32 fila);
    // The rows between the two, in either order, all ticked when one of them is not, else all
    // unticked, and accounted for; false when none of them has an invoice.
    bool CambiarRango(qint32 desde, qint32 hasta);
    // Ticks all, unticks all or inverts, then counts the totals again; a negative accion does nothing.
    void CambioMasivo(qint16 accion);
    void AcumularFila(qint32 fila, int signo);

    // The invoice numbers of the ticked rows, in grid order.
    QList<qint32> facturasMarcadas() const;
    // Takes the rows of these invoices out of the grid and, if ticked, out of the totals; gives
    // back each removed invoice's number and reference, in grid order.
    QList<std::pair<qint32, QString>> quitarFacturas(const QList<qint32> &numeros);
    const GuideFigures &totals() const { return m_totals; }
    void resetTotals() { m_totals = GuideFigures(); }

private:
    bool hasInvoice(qint32 fila) const;
    bool isTicked(qint32 fila) const;

    toolkit::FlexGrid &m_grid;
    GuideFigures m_totals;
};

} // namespace vontarelis
