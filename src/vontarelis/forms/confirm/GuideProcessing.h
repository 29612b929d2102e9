#pragma once

#include "vontarelis/data/GuideStops.h"
#include "vontarelis/model/GuideFigures.h"

#include <QString>

namespace vontarelis {

class GuiaDespacho;
class InvoiceRows;
class ReturnReasons;

// "Procesar": makes the ticked rows the guide's set of invoices and records why the unticked
// ones came back, stores the figures of those
// invoices beside the ones recorded at registration (which stay) and, when asked, closes the
// guide for good, all in one transaction that first makes sure the guide is still open and as
// it was shown (no other desk reviewed it meanwhile); then
// prints the guide again. A failure inside the transaction is trapped here: the transaction is
// discarded, the error reported as "frmConfirmarBruvelos::cbOk_Click", and the dialog is left as
// it was. Once the commit happened, a failing print is reported the same way and changes
// nothing: what is stored is stored.
class GuideProcessing
{
public:
    enum class Outcome {
        // The user answered no; nothing was written.
        NotConfirmed,
        // Stored (the print may have failed and been reported): the dialog is emptied.
        Processed,
        // The guide was closed meanwhile, at this workstation or another: nothing was written,
        // the user was told, and the dialog is emptied.
        Closed,
        // Reported; the dialog keeps the guide, its ticks and totals.
        Failed,
        // Another desk changed the guide since it was shown; nothing was written and the user
        // chose to see it as it is now.
        Reload,
    };

    // The version is the guide's as the rows on screen were read; the stops are those of the
    // ticked rows, stored with their links.
    GuideProcessing(GuiaDespacho &guia, qint32 version, const InvoiceRows &rows, const ReturnReasons &returns,
                    QList<GuideStops::Stop> paradas,
                    bool cerrarGuia);

    Outcome Procesar();

private:
    bool confirmClosing() const;
    // The ticked invoices as "(12, 15)"; empty when none is ticked.
    QString invoiceList() const;
    // The figures of the invoices in the list, as the creation dialog would total them.
    static GuideFigures dispatchFigures(const QString &invoiceList);
    // False, with the transaction still to be aborted, when the guide is closed or was
    // changed by another desk since it was shown.
    bool store(const QString &invoiceList);
    // Tells the user why nothing was written, asking whether to reload a changed guide.
    Outcome refused() const;
    void print();

    GuiaDespacho &m_guia;
    qint32 m_version;
    const InvoiceRows &m_rows;
    const ReturnReasons &m_returns;
    QList<GuideStops::Stop> m_paradas;
    bool m_cerrarGuia;
};

} // namespace vontarelis
