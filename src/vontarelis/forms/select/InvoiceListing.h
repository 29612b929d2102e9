#pragma once

#include "toolkit/FlexRowText.h"
#include "vontarelis/forms/select/InvoiceRow.h"

#include <QFuture>
#include <QString>

#include <memory>
#include <vector>

namespace vontarelis {

// The invoices a search read, each with the texts of its row in the selection grid. The texts
// are written on a second thread, a batch of rows at a time, while the search still reads the
// rows after them: on a long list, formatting adds almost nothing to the read itself.
class InvoiceListing
{
public:
    struct Batch
    {
        std::vector<InvoiceRow> rows;
        // One per row: reference, date, customer, value, the unticked box, then the hidden
        // weight, net value, tax and invoice number as plain number text.
        std::vector<toolkit::FlexRowText> texts;
    };

    explicit InvoiceListing(const QString &mascaraMonetarios);
    // Waits for the batches still being written, also after a read that failed halfway.
    ~InvoiceListing();
    InvoiceListing(const InvoiceListing &) = delete;
    InvoiceListing &operator=(const InvoiceListing &) = delete;

    void add(InvoiceRow &&row);
    // Waits for the last texts; after it, the batches hold every row added, in order.
    void finish();

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    std::vector<Batch> &batches() { return m_batches; }
    const std::vector<Batch> &batches() const { return m_batches; }

private:
    struct Formats;

    void send();

    std::unique_ptr<const Formats> m_formats;
    std::vector<InvoiceRow> m_pending;
    std::vector<QFuture<Batch>> m_sent;
    std::vector<Batch> m_batches;
    qsizetype m_size = 0;
};

} // namespace vontarelis
