#pragma once

#include <QtGlobal>

class QLabel;

namespace vontarelis {

class GuiaDespacho;
class InvoiceRows;
class SelectionTotals;

// The guide on screen: finds an open guide by its number, then shows its header, the totals
// stored with it and the invoices linked to it, all ticked.
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

    // False, after telling the user why, for 0, a number without guide or a closed guide; a
    // closed guide is then held in guia while the screen still shows what it showed.
    bool Buscar(qint32 numero);
    void MostrarGuia();
    void clearHeader();

private:
    // Lists the guide's invoices; false when it has none.
    bool listInvoices();

    GuiaDespacho &m_guia;
    HeaderLabels m_header;
    SelectionTotals &m_totals;
    InvoiceRows &m_rows;
};

} // namespace vontarelis
