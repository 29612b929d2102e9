#include "vontarelis/forms/select/InvoiceSelection.h"

#include "toolkit/FlexGrid.h"
#include "toolkit/FlexGridBulkFill.h"
#include "toolkit/PlainNumber.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/forms/select/InvoiceListing.h"

#include <algorithm>

namespace vontarelis {

namespace {

const QString FormatoGrilla = QStringLiteral(
    "Numero de Factura|Fecha            |Cliente                                                                                     "
    "|Valor total      |^Incluir   |||||");
const QString TickFont = QStringLiteral("Wingdings");
// The grid is sized once and grows in steps while it fills, never once per invoice.
constexpr qint32 InitialRows = 300;
constexpr qint32 GrowthRows = 50;

} // namespace

InvoiceSelection::InvoiceSelection(toolkit::FlexGrid &grid) : m_grid(grid)
{
    m_grid.setFixedCols(0);
    m_grid.setFormatString(FormatoGrilla);
    m_grid.setRows(2);
    m_grid.setFixedRows(1);
}

void InvoiceSelection::VolverAlDiseno()
{
    m_grid.setRows(m_grid.FixedRows());
    m_grid.setRows(m_grid.FixedRows() + 1);
    resetTotals();
}

void InvoiceSelection::setColumnLayout()
{
    for (qint32 col : {0, 1, 2})
        m_grid.setColAlignment(col, toolkit::FlexAlignment::LeftCenter);
    m_grid.setColAlignment(3, toolkit::FlexAlignment::RightCenter);
    m_grid.setColAlignment(ColIncluir, toolkit::FlexAlignment::CenterCenter);
    for (qint32 col = ColPeso; col < m_grid.Cols(); ++col)
        m_grid.setColWidth(col, 0);
}

void InvoiceSelection::fill(InvoiceListing &listing)
{
    // A hundred thousand rows would otherwise tell the view of every cell and every growth.
    const toolkit::FlexGridBulkFill bulk(m_grid, m_grid.FixedRows() + qint32(listing.size()));
    m_grid.setRows(InitialRows);
    qint32 fila = m_grid.FixedRows();
    for (InvoiceListing::Batch &batch : listing.batches()) {
        for (toolkit::FlexRowText &texts : batch.texts) {
            if (fila == m_grid.Rows())
                m_grid.setRows(m_grid.Rows() + GrowthRows);
            m_grid.setRowTexts(fila, std::move(texts));
            m_grid.setRow(fila);
            m_grid.setCol(ColIncluir);
            m_grid.setCellFontName(TickFont);
            ++fila;
        }
    }
    m_grid.setRows(fila);
    resetTotals();
    if (fila == m_grid.FixedRows())
        return;
    // Space must tick a row the clerk sees: the first, not the last one filled.
    m_grid.setRow(m_grid.FixedRows());
    m_grid.setCol(ColIncluir);
    m_grid.setTopRow(m_grid.FixedRows());
}

bool InvoiceSelection::hasInvoice(qint32 fila) const
{
    return fila >= m_grid.FixedRows() && fila < m_grid.Rows() && !m_grid.TextMatrix(fila, ColNumero).trimmed().isEmpty();
}

bool InvoiceSelection::isTicked(qint32 fila) const
{
    return m_grid.TextMatrix(fila, ColIncluir) == Marcada;
}

bool InvoiceSelection::CambiarSeleccion(qint32 fila)
{
    if (!hasInvoice(fila))
        return false;
    const bool ticked = isTicked(fila);
    m_grid.setTextMatrix(fila, ColIncluir, ticked ? Desmarcada : Marcada);
    AcumularFila(fila, ticked ? -1 : 1);
    return true;
}

bool InvoiceSelection::CambiarRango(qint32 desde, qint32 hasta)
{
    const qint32 primera = std::min(desde, hasta);
    const qint32 ultima = std::max(desde, hasta);
    bool conFactura = false;
    bool algunaSinMarcar = false;
    for (qint32 fila = primera; fila <= ultima; ++fila) {
        if (!hasInvoice(fila))
            continue;
        conFactura = true;
        algunaSinMarcar = algunaSinMarcar || !isTicked(fila);
    }
    for (qint32 fila = primera; fila <= ultima; ++fila) {
        if (hasInvoice(fila) && isTicked(fila) != algunaSinMarcar)
            CambiarSeleccion(fila);
    }
    return conFactura;
}

void InvoiceSelection::AcumularFila(qint32 fila, int signo)
{
    m_totals.add(toolkit::PlainNumber::read(m_grid.TextMatrix(fila, ColPeso)),
                 toolkit::PlainNumber::read(m_grid.TextMatrix(fila, ColNeto)),
                 toolkit::PlainNumber::read(m_grid.TextMatrix(fila, ColIVA)), signo);
}

void InvoiceSelection::CambioMasivo(qint16 accion)
{
    if (accion < 0)
        return;
    resetTotals();
    for (qint32 fila = m_grid.FixedRows(); fila < m_grid.Rows(); ++fila) {
        if (!hasInvoice(fila))
            continue;
        if (accion == SeleccionarTodas)
            m_grid.setTextMatrix(fila, ColIncluir, Marcada);
        else if (accion == DesmarcarTodas)
            m_grid.setTextMatrix(fila, ColIncluir, Desmarcada);
        else if (accion == InvertirSeleccion)
            m_grid.setTextMatrix(fila, ColIncluir, m_grid.TextMatrix(fila, ColIncluir) == Desmarcada ? Marcada : Desmarcada);
        if (isTicked(fila))
            AcumularFila(fila, 1);
    }
}

QList<qint32> InvoiceSelection::facturasMarcadas() const
{
    QList<qint32> numeros;
    for (qint32 fila = m_grid.FixedRows(); fila < m_grid.Rows(); ++fila) {
        if (isTicked(fila))
            numeros << toolkit::toLong(m_grid.TextMatrix(fila, ColNumero));
    }
    return numeros;
}

QList<std::pair<qint32, QString>> InvoiceSelection::quitarFacturas(const QList<qint32> &numeros)
{
    QList<std::pair<qint32, QString>> quitadas;
    for (qint32 fila = m_grid.Rows() - 1; fila >= m_grid.FixedRows(); --fila) {
        if (!hasInvoice(fila))
            continue;
        const qint32 numero = toolkit::toLong(m_grid.TextMatrix(fila, ColNumero));
        if (!numeros.contains(numero))
            continue;
        if (isTicked(fila))
            AcumularFila(fila, -1);
        quitadas.prepend({numero, m_grid.TextMatrix(fila, 0)});
        // The grid refuses to remove its last data row one by one.
        if (m_grid.Rows() - m_grid.FixedRows() == 1)
            m_grid.setRows(m_grid.FixedRows());
        else
            m_grid.RemoveItem(fila);
    }
    return quitadas;
}

} // namespace vontarelis
