#include "vontarelis/forms/select/InvoiceSelection.h"

#include "toolkit/DateFormat.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/FlexGridBulkFill.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/PlainNumber.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/forms/select/InvoiceSearch.h"

namespace vontarelis {

namespace {

const QString FormatoGrilla = QStringLiteral(
    "Numero de Factura|Fecha            |Cliente                                                                                     "
    "|Valor total      |^Incluir   |||||");
const QString TickFont = QStringLiteral("Wingdings");
const QString DateMask = QStringLiteral("dd-mm-yyyy");
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

void InvoiceSelection::fill(const std::vector<InvoiceRow> &rows, const QString &mascaraMonetarios)
{
    // A hundred thousand rows would otherwise tell the view of every cell and every growth.
    const toolkit::FlexGridBulkFill bulk(m_grid);
    const toolkit::NumberFormat money(mascaraMonetarios);
    m_grid.setRows(InitialRows);
    qint32 fila = m_grid.FixedRows();
    for (const InvoiceRow &row : rows) {
        if (fila == m_grid.Rows())
            m_grid.setRows(m_grid.Rows() + GrowthRows);
        m_grid.setTextMatrix(fila, 0, InvoiceSearch::referencia(row.serie, row.correlativo));
        m_grid.setTextMatrix(fila, 1, row.fecha.isValid() ? toolkit::DateFormat::format(row.fecha, DateMask) : QString());
        m_grid.setTextMatrix(fila, 2, row.nombreCliente);
        m_grid.setTextMatrix(fila, 3, money.text((row.precioEfectivo + row.impuesto).toDouble() / row.tasa));
        m_grid.setRow(fila);
        m_grid.setCol(ColIncluir);
        m_grid.setCellFontName(TickFont);
        m_grid.setText(Desmarcada);
        m_grid.setTextMatrix(fila, ColNeto, toolkit::PlainNumber::write(row.precioEfectivo.toDouble() / row.tasa));
        m_grid.setTextMatrix(fila, ColIVA, toolkit::PlainNumber::write(row.impuesto.toDouble() / row.tasa));
        m_grid.setTextMatrix(fila, ColNumero, QString::number(row.numero));
        m_grid.setTextMatrix(fila, ColPeso, toolkit::PlainNumber::write(row.peso));
        ++fila;
    }
    m_grid.setRows(fila);
    resetTotals();
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

} // namespace vontarelis
