#include "toolkit/FlexGridBulkFill.h"

#include "toolkit/FlexGrid.h"

namespace toolkit {

FlexGridBulkFill::FlexGridBulkFill(FlexGrid &grid, qint32 expectedRows) : m_grid(grid)
{
    m_grid.beginBulkFill(expectedRows);
}

FlexGridBulkFill::~FlexGridBulkFill()
{
    m_grid.endBulkFill();
}

} // namespace toolkit
