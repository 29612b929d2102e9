#pragma once

#include <QtGlobal>

namespace toolkit {
class FlexGrid;
}

namespace host {

// Grid helpers of the host maker's second utility library.
class IGridUtilities
{
public:
    virtual ~IGridUtilities() = default;

    virtual void ClearRow(toolkit::FlexGrid &grid, qint32 row) = 0;
    // Afterwards no data row holds a tick mark or an invoice number.
    virtual void ClearGrid(toolkit::FlexGrid &grid) = 0;
    virtual double SumColumn(toolkit::FlexGrid &grid, qint16 column) = 0;
    virtual bool IsRowEmpty(toolkit::FlexGrid &grid, qint32 row) = 0;
};

} // namespace host
