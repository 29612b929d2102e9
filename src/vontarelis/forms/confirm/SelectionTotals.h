#pragma once

#include "toolkit/Currency.h"

class QLabel;

namespace vontarelis {

// The count, weight and value of the ticked invoices. They are kept nowhere but in the captions
// of three labels: every change reads the captions back, computes and formats them again.
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
};

} // namespace vontarelis
