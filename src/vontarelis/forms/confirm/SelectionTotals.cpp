#include "vontarelis/forms/confirm/SelectionTotals.h"

#include "toolkit/NumberFormat.h"
#include "vontarelis/entry/globales.h"

#include <QLabel>

namespace vontarelis {

SelectionTotals::SelectionTotals(QLabel &valor, QLabel &peso, QLabel &cantidad)
    : m_valor(valor), m_peso(peso), m_cantidad(cantidad)
{
}

SelectionTotals::Totals SelectionTotals::read() const
{
    return m_totals;
}

void SelectionTotals::write(const Totals &totals)
{
    m_totals = totals;
    const host::ICompany &empresa = CurrentEmpresa();
    m_valor.setText(toolkit::NumberFormat::format(totals.valor, empresa.MascaraPrecios()));
    m_peso.setText(toolkit::NumberFormat::format(totals.peso, empresa.MascaraCantidades()));
    m_cantidad.setText(toolkit::NumberFormat::format(double(totals.cantidad), QStringLiteral("#,##0")));
}

void SelectionTotals::clear()
{
    m_totals = {};
    m_valor.clear();
    m_peso.clear();
    m_cantidad.clear();
}

} // namespace vontarelis
