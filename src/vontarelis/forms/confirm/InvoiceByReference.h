#pragma once

#include <QString>

namespace host {
class IInvoice;
}

namespace vontarelis {

class GuiaDespacho;
class InvoiceRows;
class SelectionTotals;

// "Agregar Factura": asks for an invoice's reference until one passes every check or the answer
// is empty, then lists that invoice, ticked, at its place in date order and adds it to the
// totals. Nothing is written to the database here; processing the guide does that.
class InvoiceByReference
{
public:
    InvoiceByReference(const GuiaDespacho &guia, InvoiceRows &rows, SelectionTotals &totals);

    void Agregar();

private:
    // The message that refuses the loaded invoice, or an empty text when it may be added.
    QString refusal(const host::IInvoice &factura) const;
    void add(const host::IInvoice &factura);

    const GuiaDespacho &m_guia;
    InvoiceRows &m_rows;
    SelectionTotals &m_totals;
};

} // namespace vontarelis
