#pragma once

#include "vontarelis/host/IGridUtilities.h"

namespace hostlibs {

// The library's own GridUtilities over toolkit::FlexGrid. Data rows are the rows below the
// fixed ones; numbers in cells are plain number text.
class StandardGridUtilities : public host::IGridUtilities
{
public:
    // Every cell of the row, fixed columns included, becomes empty.
    void ClearRow(toolkit::FlexGrid &grid, qint32 row) override;
    // The data rows are dropped and one empty data row, without fonts or colours, takes their
    // place; the current cell moves to it.
    void ClearGrid(toolkit::FlexGrid &grid) override;
    double SumColumn(toolkit::FlexGrid &grid, qint16 column) override;
    // True when every non-fixed cell of the row is empty or blank.
    bool IsRowEmpty(toolkit::FlexGrid &grid, qint32 row) override;
};

} // namespace hostlibs
