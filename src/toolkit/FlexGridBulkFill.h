#pragma once

namespace toolkit {

class FlexGrid;

// Many rows written at once: while it lives, Rows, TextMatrix, Text, Row, Col and the cell
// styles behave as always but the view hears of none of it; when it goes, the view is reset
// once. Rows, columns and fixed counts are meant to change only through Rows inside it.
class FlexGridBulkFill
{
public:
    explicit FlexGridBulkFill(FlexGrid &grid);
    ~FlexGridBulkFill();
    FlexGridBulkFill(const FlexGridBulkFill &) = delete;
    FlexGridBulkFill &operator=(const FlexGridBulkFill &) = delete;

private:
    FlexGrid &m_grid;
};

} // namespace toolkit
