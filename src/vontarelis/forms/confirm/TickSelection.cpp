#include "vontarelis/forms/confirm/TickSelection.h"

#include "vontarelis/forms/confirm/InvoiceRows.h"
#include "vontarelis/forms/confirm/SelectionTotals.h"

#include <algorithm>

namespace vontarelis {

TickSelection::TickSelection(InvoiceRows &rows, SelectionTotals &totals) : m_rows(rows), m_totals(totals)
{
}

void TickSelection::CambiarSeleccion(qint32 fila)
{
    if (!m_rows.isInvoiceRow(fila))
        return;
    m_rows.setMark(fila, m_rows.isTicked(fila) ? InvoiceRows::Unticked : InvoiceRows::Ticked);
    AcumularFila(fila);
}

void TickSelection::CambiarRango(qint32 desde, qint32 hasta)
{
    const qint32 primera = std::min(desde, hasta);
    const qint32 ultima = std::max(desde, hasta);
    bool algunaSinMarcar = false;
    for (qint32 fila = primera; fila <= ultima; ++fila)
        algunaSinMarcar = algunaSinMarcar || (m_rows.isInvoiceRow(fila) && !m_rows.isTicked(fila));
    for (qint32 fila = primera; fila <= ultima; ++fila) {
        if (m_rows.isInvoiceRow(fila) && m_rows.isTicked(fila) != algunaSinMarcar)
            CambiarSeleccion(fila);
    }
}

void TickSelection::AcumularFila(qint32 fila)
{
    SelectionTotals::Totals totals = m_totals.read();
    const int sign = m_rows.isTicked(fila) ? 1 : -1;
    totals.valor += m_rows.value(fila) * sign;
    totals.peso += sign * m_rows.peso(fila);
    totals.cantidad += sign;
    m_totals.write(totals);
}

void TickSelection::IncluirTodas()
{
    SelectionTotals::Totals totals = m_totals.read();
    for (qint32 fila = m_rows.firstRow(); fila < m_rows.rowCount(); ++fila) {
        if (!m_rows.isInvoiceRow(fila) || m_rows.mark(fila) != InvoiceRows::Unticked)
            continue;
        totals.valor += m_rows.value(fila);
        totals.peso += m_rows.peso(fila);
        totals.cantidad += 1;
        m_rows.setMark(fila, InvoiceRows::Ticked);
    }
    m_totals.write(totals);
}

void TickSelection::DesmarcarTodas()
{
    for (qint32 fila = m_rows.firstRow(); fila < m_rows.rowCount(); ++fila) {
        if (m_rows.isInvoiceRow(fila))
            m_rows.setMark(fila, InvoiceRows::Unticked);
    }
    m_totals.write({});
}

} // namespace vontarelis
