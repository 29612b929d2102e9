#pragma once

#include <QtGlobal>

namespace toolkit {

class FlexGrid;

// Many rows written at once: while it lives, Rows, TextMatrix, Text, Row, Col and the cell
// styles behave as always but the view hears of none of it; when it goes, the view is reset
// once. Rows, columns and fixed counts are meant to change only through Rows inside it.
// A fill that knows how many rows it will reach says so, and the grid makes room for them once
// rather than each time Rows grows past its room.
class FlexGridBulkFill
{
public:
    explicit FlexGridBulkFill(FlexGrid &grid, qint32 expectedRows = 0);
    ~FlexGridBulkFill();
    FlexGridBulkFill(const FlexGridBulkFill &) = delete;
    FlexGridBulkFill &operator=(const FlexGridBulkFill &) = delete;

private:
    FlexGrid &m_grid;
};

} // namespace toolkit
