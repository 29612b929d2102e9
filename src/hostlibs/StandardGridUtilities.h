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
    // Every data row is dropped, with its texts, fonts and colours: only the fixed rows stay,
    // so no blank row is left to be ticked. The current row moves up into the fixed ones.
    void ClearGrid(toolkit::FlexGrid &grid) override;
    double SumColumn(toolkit::FlexGrid &grid, qint16 column) override;
    // True when every non-fixed cell of the row is empty or blank.
    bool IsRowEmpty(toolkit::FlexGrid &grid, qint32 row) override;
};

} // namespace hostlibs
