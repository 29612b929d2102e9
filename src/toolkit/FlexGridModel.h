#pragma once

#include "toolkit/FlexAlignment.h"
#include "toolkit/FlexGridCells.h"

#include <QAbstractTableModel>

#include <initializer_list>
#include <vector>

namespace toolkit {

// The grid's cells as a table model. Rows and columns of the model are the grid's scrolling
// (non-fixed) cells; the fixed rows become the horizontal header and the fixed columns the
// vertical one, so they stay in place while the rest scrolls. Every setter takes grid
// coordinates and reports exactly what changed: one cell, or rows added or cut at the end.
class FlexGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The font name of a cell, for the delegate that draws tick boxes.
    static constexpr int FontNameRole = Qt::UserRole + 1;

    explicit FlexGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int gridRows() const { return m_cells.rowCount(); }
    int gridCols() const { return m_cells.columnCount(); }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setGridRows(int rows);
    void setGridCols(int cols);
    void setFixed(int fixedRows, int fixedCols);

    QString text(int row, int col) const { return m_cells.text(row, col); }
    void setText(int row, int col, const QString &text);
    void setRowTexts(int row, FlexRowText texts);
    bool isRowBlank(int row) const { return m_cells.isRowBlank(row, m_fixedCols); }
    // Inserts one row at grid row `at`, its cells filled from the given texts.
    void insertRow(int at, const QStringList &texts);
    void removeRow(int at);

    FlexAlignment alignment(int col) const { return m_alignments[std::size_t(col)]; }
    void setAlignment(int col, FlexAlignment alignment);

    QString fontName(int row, int col) const { return m_cells.fontName(row, col); }
    void setFontName(int row, int col, const QString &name);
    QColor backColor(int row, int col) const { return m_cells.backColor(row, col); }
    void setBackColor(int row, int col, const QColor &color);
    QColor foreColor(int row, int col) const { return m_cells.foreColor(row, col); }
    void setForeColor(int row, int col, const QColor &color);

    QModelIndex indexOf(int row, int col) const { return index(row - m_fixedRows, col - m_fixedCols); }

    // Between the two calls the setters report nothing; the end resets the views once, which
    // costs less than a signal per cell when many rows are written.
    void beginBulkChange(int expectedRows);
    void endBulkChange();

private:
    // Roles as a list made only when a view is told, not during a bulk fill.
    void cellChanged(int row, int col, std::initializer_list<int> roles);
    Qt::Alignment qtAlignment(int col, const QString &text) const;

    FlexGridCells m_cells;
    std::vector<FlexAlignment> m_alignments;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    bool m_bulk = false;
};

} // namespace toolkit
