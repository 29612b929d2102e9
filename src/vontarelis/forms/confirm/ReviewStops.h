#pragma once

#include "vontarelis/data/GuideStops.h"
#include "vontarelis/ui/StopColumn.h"

#include <QHash>
#include <QList>
#include <QString>

namespace toolkit {
class FlexGrid;
}

namespace vontarelis {

class InvoiceRows;

// The stop numbers of the review dialog's rows, in a column of their own after the hidden
// ones. The invoices of the guide show the stop stored with their link; an invoice added at
// review takes its customer's stop when the guide has one, else a new stop after the last.
// At "Procesar" the ticked invoices keep those numbers.
class ReviewStops
{
public:
    // Adds the stop column to the grid.
    ReviewStops(toolkit::FlexGrid &grid, const InvoiceRows &rows);

    // The column's width and alignment, after the hidden columns were hidden.
    void setUpColumn();
    // The guide's links and their stops, shown on the rows just listed.
    void load(qint32 idGuia);
    // Rows whose invoice has no stop yet (one just added) get one.
    void complete();
    // The ticked invoices by stop; those without a stop are left out.
    QList<GuideStops::Stop> stops() const;

private:
    qint32 stopOf(qint32 numero);

    StopColumn m_column;
    const InvoiceRows &m_rows;
    QHash<qint32, qint32> m_paradaDeFactura;
    QHash<QString, qint32> m_paradaDeCliente;
    qint32 m_ultima = 0;
};

} // namespace vontarelis
