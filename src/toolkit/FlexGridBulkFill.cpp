#include "toolkit/FlexGridBulkFill.h"

#include "toolkit/FlexGrid.h"

namespace toolkit {

FlexGridBulkFill::FlexGridBulkFill(FlexGrid &grid) : m_grid(grid)
{
    m_grid.beginBulkFill();
}

FlexGridBulkFill::~FlexGridBulkFill()
{
    m_grid.endBulkFill();
}

} // namespace toolkit
