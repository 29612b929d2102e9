#pragma once

#include <QtGlobal>

class QLabel;

namespace vontarelis {

class GuiaDespacho;
class InvoiceRows;
class SelectionTotals;

// The guide on screen: finds an open guide by its number, then shows its header, its figures
// (after a review, those of the invoices that travelled) and the invoices linked to it, all
// ticked.
class GuideLookup
{
public:
    struct HeaderLabels
    {
        QLabel *fechaDespacho;
        QLabel *tipoVehiculo;
        QLabel *placas;
        QLabel *nombreConductor;
        QLabel *nombreVendedor;
    };

    GuideLookup(GuiaDespacho &guia, const HeaderLabels &header, SelectionTotals &totals, InvoiceRows &rows);

    // The number as the user typed it, rounded halves to even. False, after telling the user
    // why, for 0, a number without guide (any beyond a Long) or a closed guide; a closed guide
    // is then held in guia while the screen still shows what it showed.
    bool Buscar(double numero);
    void MostrarGuia();
    void clearHeader();
    // True when that number is the guide on screen, which then stays as the user left it.
    bool keepShown(double numero);
    // The guide on screen, 0 when none, and its version as its invoices were read.
    qint32 shown() const { return m_shown; }
    qint32 shownVersion() const { return m_version; }

private:
    // Lists the guide's invoices; false when it has none.
    bool listInvoices();

    GuiaDespacho &m_guia;
    HeaderLabels m_header;
    SelectionTotals &m_totals;
    InvoiceRows &m_rows;
    qint32 m_shown = 0;
    qint32 m_version = 0;
};

} // namespace vontarelis
