#pragma once

#include <QtGlobal>

namespace toolkit {
class FlexGrid;
}

namespace vontarelis {

// The "Parada" column both dialogs add to their invoice grid, after its hidden columns.
class StopColumn
{
public:
    // Adds the column, with its heading, to the grid.
    explicit StopColumn(toolkit::FlexGrid &grid);

    qint32 index() const { return m_col; }
    // Its width and alignment, once the grid's hidden columns were hidden.
    void setLayout();
    // The row's stop; 0 shows none.
    void show(qint32 row, qint32 parada);

private:
    toolkit::FlexGrid &m_grid;
    qint32 m_col;
};

} // namespace vontarelis
