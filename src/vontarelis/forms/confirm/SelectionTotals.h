#pragma once

#include "toolkit/Currency.h"

class QLabel;

namespace vontarelis {

// The count, weight and value of the ticked invoices, shown in three labels. They are kept here
// to the last decimal: read back from the captions, each tick would add the masks' rounding.
class SelectionTotals
{
public:
    struct Totals
    {
        toolkit::Currency valor;
        double peso = 0.0;
        qint32 cantidad = 0;
    };

    SelectionTotals(QLabel &valor, QLabel &peso, QLabel &cantidad);

    Totals read() const;
    // Value with the company's price mask, weight with its quantity mask, count as "#,##0".
    void write(const Totals &totals);
    void clear();

private:
    QLabel &m_valor;
    QLabel &m_peso;
    QLabel &m_cantidad;
    Totals m_totals;
};

} // namespace vontarelis
