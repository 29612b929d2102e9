#pragma once

#include "vontarelis/model/GuideFigures.h"

#include <QString>

namespace vontarelis {

class GuiaDespacho;
class InvoiceRows;

// "Procesar": makes the ticked rows the guide's set of invoices, stores the figures of those
// invoices beside the ones recorded at registration (which stay) and, when asked, closes the
// guide for good, in one transaction; then prints the guide again.
// A failure from the transaction on is trapped here: the transaction is discarded, the error
// reported as "frmConfirmarBruvelos::cbOk_Click", and the dialog is left as it was.
class GuideProcessing
{
public:
    enum class Outcome {
        // The user answered no; nothing was written.
        NotConfirmed,
        // Stored and printed: the dialog may be emptied.
        Processed,
        // Reported; the dialog keeps the guide, its ticks and totals.
        Failed,
    };

    GuideProcessing(GuiaDespacho &guia, const InvoiceRows &rows, bool cerrarGuia);

    Outcome Procesar();

private:
    bool confirmClosing() const;
    // The ticked invoices as "(12, 15)"; empty when none is ticked.
    QString invoiceList() const;
    // The figures of the invoices in the list, as the creation dialog would total them.
    static GuideFigures dispatchFigures(const QString &invoiceList);
    void store(const QString &invoiceList);

    GuiaDespacho &m_guia;
    const InvoiceRows &m_rows;
    bool m_cerrarGuia;
};

} // namespace vontarelis
