#include "vontarelis/forms/select/InvoiceListing.h"

#include "toolkit/DateFormat.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/PlainNumber.h"
#include "vontarelis/forms/select/InvoiceSelection.h"
#include "vontarelis/model/InvoiceReference.h"

#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

namespace vontarelis {

namespace {

// Big enough that handing a batch over costs nothing next to formatting it, small enough that
// the last one, formatted after the read ends, is short.
constexpr std::size_t BatchRows = 4096;
const QString DateMask = QStringLiteral("dd-mm-yyyy");
// A row's characters besides the customer's name.
constexpr qsizetype RowCapacity = 80;

} // namespace

// Made on the reading thread; each batch formats with a copy of its own, since Qt's value
// classes may be used from several threads only as separate instances.
struct InvoiceListing::Formats
{
    toolkit::NumberFormat money;
    QLocale locale;
};

namespace {

void appendPlain(toolkit::FlexRowText &texts, double value)
{
    toolkit::PlainNumber::append(texts.text(), value);
    texts.endCell();
}

std::vector<toolkit::FlexRowText> format(const std::vector<InvoiceRow> &rows, const toolkit::NumberFormat &money,
                                         const QLocale &locale)
{
    std::vector<toolkit::FlexRowText> all;
    all.reserve(rows.size());
    // The invoices come in date order, so a day's text is written once for all its invoices.
    QDate day;
    QString dayText;
    for (const InvoiceRow &row : rows) {
        if (!row.fecha.isValid()) {
            day = QDate();
            dayText.clear();
        } else if (row.fecha.date() != day) {
            day = row.fecha.date();
            dayText = toolkit::DateFormat::format(row.fecha, DateMask, locale);
        }
        toolkit::FlexRowText &texts = all.emplace_back(RowCapacity + row.nombreCliente.size());
        texts << InvoiceReference::of(row.serie, row.correlativo) << dayText << row.nombreCliente
              << money.text((row.precioEfectivo + row.impuesto).toDouble() / row.tasa) << InvoiceSelection::Desmarcada;
        appendPlain(texts, row.peso);
        appendPlain(texts, row.precioEfectivo.toDouble() / row.tasa);
        appendPlain(texts, row.impuesto.toDouble() / row.tasa);
        appendPlain(texts, row.numero);
    }
    return all;
}

} // namespace

InvoiceListing::InvoiceListing(const QString &mascaraMonetarios)
    : m_formats(std::make_unique<const Formats>(Formats{toolkit::NumberFormat(mascaraMonetarios), QLocale()}))
{
    m_pending.reserve(BatchRows);
}

InvoiceListing::~InvoiceListing()
{
    for (QFuture<Batch> &batch : m_sent)
        batch.waitForFinished();
}

void InvoiceListing::add(InvoiceRow &&row)
{
    m_pending.push_back(std::move(row));
    ++m_size;
    if (m_pending.size() == BatchRows)
        send();
}

void InvoiceListing::send()
{
    std::vector<InvoiceRow> rows;
    rows.reserve(BatchRows);
    std::swap(rows, m_pending);
    m_sent.push_back(QtConcurrent::run([formats = *m_formats, rows = std::move(rows)]() mutable {
        std::vector<toolkit::FlexRowText> texts = format(rows, formats.money, formats.locale);
        return Batch{std::move(rows), std::move(texts)};
    }));
}

void InvoiceListing::finish()
{
    if (!m_pending.empty())
        send();
    m_batches.reserve(m_batches.size() + m_sent.size());
    for (QFuture<Batch> &batch : m_sent)
        m_batches.push_back(batch.takeResult());
    m_sent.clear();
}

} // namespace vontarelis
