#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace vontarelis {

class InvoiceRows;

// Why the unticked invoices came back. The reason is asked from the list the host keeps
// (MotivosDevolucion) when the clerk unticks an invoice, and stored with the review's links in
// its transaction, so a failed review keeps none of them.
class ReturnReasons
{
public:
    // The reason for the invoice of that reference, or for `count` invoices at once when
    // the reference is empty; nothing when the clerk cancelled. A host that keeps no reasons is
    // not asked: the invoices come back without one.
    std::optional<QString> ask(const QString &referencia, qint32 count) const;

    void set(qint32 numero, const QString &motivo);
    void drop(qint32 numero);
    void clear();

    // Inside the review's transaction: the returns recorded earlier for the invoices on screen
    // give way to the unticked ones with their reasons. An invoice returned by an earlier review
    // and not on screen keeps its record.
    void store(qint32 idGuia, const InvoiceRows &rows) const;

private:
    QHash<qint32, QString> m_motivos;
};

} // namespace vontarelis
