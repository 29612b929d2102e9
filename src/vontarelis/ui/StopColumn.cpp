#include "vontarelis/ui/StopColumn.h"

#include "toolkit/FlexGrid.h"

namespace vontarelis {

namespace {

const QString Encabezado = QStringLiteral("Parada");
constexpr qint32 AnchoParada = 800;

} // namespace

StopColumn::StopColumn(toolkit::FlexGrid &grid) : m_grid(grid), m_col(grid.Cols())
{
    m_grid.setCols(m_col + 1);
    m_grid.setTextMatrix(0, m_col, Encabezado);
}

void StopColumn::setLayout()
{
    m_grid.setColWidth(m_col, AnchoParada);
    m_grid.setColAlignment(m_col, toolkit::FlexAlignment::CenterCenter);
}

void StopColumn::show(qint32 row, qint32 parada)
{
    m_grid.setTextMatrix(row, m_col, parada == 0 ? QString() : QString::number(parada));
}

} // namespace vontarelis
