#pragma once

#include <QHash>
#include <QList>

namespace vontarelis {

// The cubic metres of ticked invoices: what their warehouse vouchers took out minus what came
// back, times each item's unit volume. Read only when a vehicle's volume capacity asks for it,
// so the invoice list itself never pays for it; each invoice is read once, in batches, and
// kept until the list is loaded again.
class InvoiceVolumes
{
public:
    void clear();
    double total(const QList<qint32> &numeros);

private:
    void read(const QList<qint32> &numeros);

    QHash<qint32, double> m_volumenes;
};

} // namespace vontarelis
