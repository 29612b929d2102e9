#include "vontarelis/forms/confirm/InvoiceRows.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/DateFormat.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/PlainNumber.h"
#include "vontarelis/entry/globales.h"

#include <algorithm>
#include <cmath>

namespace vontarelis {

double InvoiceRows::rate(double tipoCambio)
{
    return tipoCambio == 0.0 ? gTipoCambio : tipoCambio;
}

InvoiceRows::InvoiceRows(toolkit::FlexGrid &grid) : m_grid(grid)
{
}

void InvoiceRows::setUpColumns()
{
    using toolkit::FlexAlignment;
    m_grid.setColAlignment(ColReferencia, FlexAlignment::LeftCenter);
    m_grid.setColAlignment(ColFecha, FlexAlignment::LeftCenter);
    m_grid.setColAlignment(ColCliente, FlexAlignment::LeftCenter);
    m_grid.setColAlignment(ColValor, FlexAlignment::RightCenter);
    m_grid.setColAlignment(ColEntregada, FlexAlignment::CenterCenter);
    for (qint32 col = ColPeso; col < m_grid.Cols(); ++col)
        m_grid.setColWidth(col, 0);
}

void InvoiceRows::fitCliente(qint32 viewportTwips)
{
    constexpr qint32 MinClienteWidth = 1500;
    qint32 others = 0;
    for (qint32 col = 0; col < m_grid.Cols(); ++col) {
        if (col != ColCliente)
            others += m_grid.ColWidth(col);
    }
    m_grid.setColWidth(ColCliente, std::max(viewportTwips - others, MinClienteWidth));
}

void InvoiceRows::clear()
{
    hostlibs::GridUtilities().ClearGrid(m_grid);
}

void InvoiceRows::removeAll()
{
    m_grid.setRows(m_grid.FixedRows());
}

qint32 InvoiceRows::firstRow() const
{
    return m_grid.FixedRows();
}

qint32 InvoiceRows::rowCount() const
{
    return m_grid.Rows();
}

void InvoiceRows::setRowCount(qint32 rows)
{
    m_grid.setRows(rows);
}

void InvoiceRows::fill(qint32 row, const Invoice &invoice)
{
    m_grid.setTextMatrix(row, ColReferencia, invoice.referencia);
    m_grid.setTextMatrix(row, ColFecha, toolkit::DateFormat::format(invoice.fecha, DatePattern));
    m_grid.setTextMatrix(row, ColCliente, invoice.cliente);
    m_grid.setTextMatrix(row, ColValor, invoice.valor);
    m_grid.setRow(row);
    m_grid.setCol(ColEntregada);
    m_grid.setCellFontName(TickFont);
    m_grid.setText(Ticked);
    m_grid.setTextMatrix(row, ColPeso, toolkit::PlainNumber::write(invoice.peso));
    m_grid.setTextMatrix(row, ColNeto, toolkit::PlainNumber::write(invoice.neto));
    m_grid.setTextMatrix(row, ColImpuesto, toolkit::PlainNumber::write(invoice.impuesto));
    m_grid.setTextMatrix(row, ColNumero, QString::number(invoice.numero));
}

void InvoiceRows::showFirst()
{
    if (m_grid.Rows() <= m_grid.FixedRows())
        return;
    m_grid.setRow(m_grid.FixedRows());
    m_grid.setCol(ColEntregada);
    m_grid.setTopRow(m_grid.FixedRows());
}

bool InvoiceRows::isInvoiceRow(qint32 row) const
{
    return !m_grid.TextMatrix(row, ColNumero).trimmed().isEmpty();
}

QString InvoiceRows::mark(qint32 row) const
{
    return m_grid.TextMatrix(row, ColEntregada);
}

bool InvoiceRows::isTicked(qint32 row) const
{
    return mark(row) == Ticked;
}

void InvoiceRows::setMark(qint32 row, const QString &mark)
{
    m_grid.setTextMatrix(row, ColEntregada, mark);
}

double InvoiceRows::peso(qint32 row) const
{
    return toolkit::PlainNumber::read(m_grid.TextMatrix(row, ColPeso));
}

toolkit::Currency InvoiceRows::value(qint32 row) const
{
    return toolkit::Currency::fromDouble(toolkit::PlainNumber::read(m_grid.TextMatrix(row, ColNeto)))
           + toolkit::Currency::fromDouble(toolkit::PlainNumber::read(m_grid.TextMatrix(row, ColImpuesto)));
}

qint32 InvoiceRows::numero(qint32 row) const
{
    return qint32(std::lround(toolkit::PlainNumber::read(m_grid.TextMatrix(row, ColNumero))));
}

QString InvoiceRows::referencia(qint32 row) const
{
    return m_grid.TextMatrix(row, ColReferencia);
}

bool InvoiceRows::contains(qint32 numero) const
{
    for (qint32 row = firstRow(); row < rowCount(); ++row) {
        if (isInvoiceRow(row) && this->numero(row) == numero)
            return true;
    }
    return false;
}

QList<qint32> InvoiceRows::tickedNumbers() const
{
    QList<qint32> numbers;
    for (qint32 row = firstRow(); row < rowCount(); ++row) {
        if (isInvoiceRow(row) && isTicked(row))
            numbers << numero(row);
    }
    return numbers;
}

qint32 InvoiceRows::placeFor(const QDate &fecha, qint32 numero) const
{
    for (qint32 row = firstRow(); row < rowCount(); ++row) {
        if (!isInvoiceRow(row))
            continue;
        const QDate rowDate = QDate::fromString(m_grid.TextMatrix(row, ColFecha), QStringLiteral("dd-MM-yyyy"));
        if (rowDate > fecha || (rowDate == fecha && this->numero(row) > numero))
            return row;
    }
    return rowCount();
}

qint32 InvoiceRows::insertAt(qint32 place)
{
    if (place >= rowCount()) {
        m_grid.setRows(rowCount() + 1);
        return rowCount() - 1;
    }
    m_grid.AddItem(QString(), place);
    return place;
}

} // namespace vontarelis
