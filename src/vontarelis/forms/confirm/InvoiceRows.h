#pragma once

#include "toolkit/Currency.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

namespace toolkit {
class FlexGrid;
}

namespace vontarelis {

// The invoice rows of the review dialog's grid "detalles": ten columns under one header row.
// Column 4 holds the tick ("þ" in the Wingdings font, "o" unticked); hidden columns 5 to 8 hold
// weight, net value, tax and invoice number as plain number text. Only a row with an invoice
// number is an invoice row: the blank row an emptied grid keeps is never ticked or counted.
class InvoiceRows
{
public:
    enum Column : qint32 {
        ColReferencia = 0,
        ColFecha = 1,
        ColCliente = 2,
        ColValor = 3,
        ColEntregada = 4,
        ColPeso = 5,
        ColNeto = 6,
        ColImpuesto = 7,
        ColNumero = 8,
    };
    static inline const QString Ticked = QStringLiteral("þ");
    static inline const QString Unticked = QStringLiteral("o");
    static inline const QString TickFont = QStringLiteral("Wingdings");
    static inline const QString DatePattern = QStringLiteral("dd-mm-yyyy");

    // One invoice as a row shows it, amounts already in the company's base currency.
    struct Invoice
    {
        QString referencia;
        QDateTime fecha;
        QString cliente;
        QString valor;
        double peso = 0.0;
        double neto = 0.0;
        double impuesto = 0.0;
        qint32 numero = 0;
    };

    // The invoice's exchange rate, or the company's when the invoice has none.
    static double rate(double tipoCambio);

    explicit InvoiceRows(toolkit::FlexGrid &grid);

    // Alignments of the visible columns; the columns from 5 on are hidden.
    void setUpColumns();
    // The customer column takes what the other visible columns leave of the grid's width, so
    // the value and the tick stay in sight whatever the font makes of the header's blanks.
    void fitCliente(qint32 viewportTwips);
    // No row left with a tick or an invoice number.
    void clear();
    // No data row at all.
    void removeAll();

    qint32 firstRow() const;
    qint32 rowCount() const;
    void setRowCount(qint32 rows);

    // The current cell ends on the row's tick, as the classic form leaves it.
    void fill(qint32 row, const Invoice &invoice);

    // The first row's tick current and on screen, where the first Space of a list must act.
    void showFirst();

    bool isInvoiceRow(qint32 row) const;
    QString mark(qint32 row) const;
    bool isTicked(qint32 row) const;
    void setMark(qint32 row, const QString &mark);
    double peso(qint32 row) const;
    // Net value plus tax, each rounded to money as a guide's figures add them (not the shown text).
    toolkit::Currency value(qint32 row) const;
    qint32 numero(qint32 row) const;
    QString referencia(qint32 row) const;
    bool contains(qint32 numero) const;
    // Invoice numbers of the ticked rows, in grid order.
    QList<qint32> tickedNumbers() const;

    // The row a new invoice of that date and number takes so that date-and-number order holds:
    // the first row dated later, or dated the same with a greater number; rowCount() when none.
    qint32 placeFor(const QDate &fecha, qint32 numero) const;
    // An empty row at that place (rowCount() appends); returns its index.
    qint32 insertAt(qint32 place);

private:
    toolkit::FlexGrid &m_grid;
};

} // namespace vontarelis
