#include "vontarelis/forms/confirm/TickSelection.h"

#include "vontarelis/forms/confirm/InvoiceRows.h"
#include "vontarelis/forms/confirm/ReturnReasons.h"
#include "vontarelis/forms/confirm/SelectionTotals.h"

#include <algorithm>
#include <optional>

namespace vontarelis {

TickSelection::TickSelection(InvoiceRows &rows, SelectionTotals &totals, ReturnReasons &returns)
    : m_rows(rows), m_totals(totals), m_returns(returns)
{
}

void TickSelection::CambiarSeleccion(qint32 fila)
{
    if (!m_rows.isInvoiceRow(fila))
        return;
    if (!m_rows.isTicked(fila)) {
        flip(fila, QString());
        return;
    }
    const std::optional<QString> motivo = m_returns.ask(m_rows.referencia(fila), 1);
    if (motivo)
        flip(fila, *motivo);
}

void TickSelection::flip(qint32 fila, const QString &motivo)
{
    if (m_rows.isTicked(fila)) {
        m_returns.set(m_rows.numero(fila), motivo);
        m_rows.setMark(fila, InvoiceRows::Unticked);
    } else {
        m_returns.drop(m_rows.numero(fila));
        m_rows.setMark(fila, InvoiceRows::Ticked);
    }
    AcumularFila(fila);
}

void TickSelection::CambiarRango(qint32 desde, qint32 hasta)
{
    const qint32 primera = std::min(desde, hasta);
    const qint32 ultima = std::max(desde, hasta);
    bool algunaSinMarcar = false;
    for (qint32 fila = primera; fila <= ultima; ++fila)
        algunaSinMarcar = algunaSinMarcar || (m_rows.isInvoiceRow(fila) && !m_rows.isTicked(fila));
    const std::optional<QString> motivo = algunaSinMarcar ? QString() : askReturn(primera, ultima);
    if (!motivo)
        return;
    for (qint32 fila = primera; fila <= ultima; ++fila) {
        if (m_rows.isInvoiceRow(fila) && m_rows.isTicked(fila) != algunaSinMarcar)
            flip(fila, *motivo);
    }
}

std::optional<QString> TickSelection::askReturn(qint32 primera, qint32 ultima) const
{
    qint32 marcadas = 0;
    qint32 unaMarcada = 0;
    for (qint32 fila = primera; fila <= ultima; ++fila) {
        if (m_rows.isInvoiceRow(fila) && m_rows.isTicked(fila)) {
            ++marcadas;
            unaMarcada = fila;
        }
    }
    if (marcadas == 0)
        return QString();
    return m_returns.ask(marcadas == 1 ? m_rows.referencia(unaMarcada) : QString(), marcadas);
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
        m_returns.drop(m_rows.numero(fila));
    }
    m_totals.write(totals);
}

void TickSelection::DesmarcarTodas()
{
    const std::optional<QString> motivo = askReturn(m_rows.firstRow(), m_rows.rowCount() - 1);
    if (!motivo)
        return;
    for (qint32 fila = m_rows.firstRow(); fila < m_rows.rowCount(); ++fila) {
        if (!m_rows.isInvoiceRow(fila))
            continue;
        if (m_rows.isTicked(fila))
            m_returns.set(m_rows.numero(fila), *motivo);
        m_rows.setMark(fila, InvoiceRows::Unticked);
    }
    m_totals.write({});
}

} // namespace vontarelis
