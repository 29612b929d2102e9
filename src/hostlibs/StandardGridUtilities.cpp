#include "hostlibs/StandardGridUtilities.h"

#include "toolkit/FlexGrid.h"
#include "toolkit/PlainNumber.h"

namespace hostlibs {

void StandardGridUtilities::ClearRow(toolkit::FlexGrid &grid, qint32 row)
{
    for (qint32 col = 0; col < grid.Cols(); ++col)
        grid.setTextMatrix(row, col, QString());
}

void StandardGridUtilities::ClearGrid(toolkit::FlexGrid &grid)
{
    grid.setRows(grid.FixedRows());
}

double StandardGridUtilities::SumColumn(toolkit::FlexGrid &grid, qint16 column)
{
    double sum = 0;
    for (qint32 row = grid.FixedRows(); row < grid.Rows(); ++row)
        sum += toolkit::PlainNumber::read(grid.TextMatrix(row, column));
    return sum;
}

bool StandardGridUtilities::IsRowEmpty(toolkit::FlexGrid &grid, qint32 row)
{
    for (qint32 col = grid.FixedCols(); col < grid.Cols(); ++col) {
        if (!grid.TextMatrix(row, col).trimmed().isEmpty())
            return false;
    }
    return true;
}

} // namespace hostlibs
