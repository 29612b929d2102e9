#pragma once

#include "toolkit/FlexAlignment.h"
#include "toolkit/FlexRowText.h"

#include <QColor>
#include <QTableView>
#include <QTimer>

#include <vector>

namespace toolkit {

class FlexGridModel;

// The classic flex grid on Qt. Rows and columns are counted from 0 including the fixed ones:
// fixed row 0 holds the headers and is part of TextMatrix. Widths and positions are twips.
// The current cell (Row, Col) may lie in the fixed area, as in the classic grid; setting it fires
// LeaveCell and EnterCell but never scrolls, and the view's selection follows once control
// returns to the event loop. Row and RowSel bound the selection of whole rows: setting Row (by
// code, a click or a plain move) makes RowSel follow it, while Shift with Up, Down, Page Up,
// Page Down, Home or End moves Row and leaves RowSel behind, and Ctrl+A spans every row. The
// Menu key and Shift+F10 raise ContextKey. Cells are stored compactly, so growing by Rows and
// filling through TextMatrix stay cheap for a hundred thousand rows.
//
// Invalid rows, columns or counts raise toolkit::Error (subscript out of range or invalid call);
// removing the last non-fixed row raises error 30015.
class FlexGrid : public QTableView
{
    Q_OBJECT
public:
    static constexpr qint32 DefaultColWidth = 960;
    static constexpr qint32 ErrCannotRemoveLastRow = 30015;

    explicit FlexGrid(QWidget *parent = nullptr);

    qint32 Rows() const;
    // Grows or cuts at the end; never below FixedRows.
    void setRows(qint32 rows);
    qint32 Cols() const;
    void setCols(qint32 cols);
    qint32 FixedRows() const;
    // At most Rows - 1.
    void setFixedRows(qint32 fixedRows);
    qint32 FixedCols() const;
    void setFixedCols(qint32 fixedCols);

    QString TextMatrix(qint32 row, qint32 col) const;
    void setTextMatrix(qint32 row, qint32 col, const QString &text);
    // The row's cells from column 0 on, as many as texts holds (at most Cols), in one write:
    // a fill of many rows pays for each row once rather than once a cell.
    void setRowTexts(qint32 row, FlexRowText texts);
    // The text of the current cell.
    QString Text() const;
    void setText(const QString &text);

    // "|"-separated header texts for row 0, one a column (Cols becomes their number). A leading
    // "<", "^" or ">" aligns the column left, centred or right; the header text, trailing blanks
    // included, gives the column its width.
    QString FormatString() const { return m_formatString; }
    void setFormatString(const QString &format);

    FlexAlignment ColAlignment(qint32 col) const;
    void setColAlignment(qint32 col, FlexAlignment alignment);
    // Twips; 0 hides the column, a negative width restores the default.
    qint32 ColWidth(qint32 col) const;
    void setColWidth(qint32 col, qint32 twips);
    FlexResize AllowUserResizing() const { return m_allowUserResizing; }
    void setAllowUserResizing(FlexResize resizing);

    qint32 Row() const { return m_row; }
    void setRow(qint32 row);
    // The other end of the selected rows; equal to Row when one row is selected.
    qint32 RowSel() const { return m_rowSel; }
    void setRowSel(qint32 row);
    qint32 Col() const { return m_col; }
    void setCol(qint32 col);
    // The first scrolling row and column shown.
    qint32 TopRow() const;
    void setTopRow(qint32 row);
    qint32 LeftCol() const;
    void setLeftCol(qint32 col);
    // Whether the whole row (column) is on screen, or it starts at the top (left) edge.
    bool RowIsVisible(qint32 row) const;
    bool ColIsVisible(qint32 col) const;

    // The current cell's rectangle in twips, relative to the grid.
    qint32 CellLeft() const;
    qint32 CellTop() const;
    qint32 CellWidth() const;
    qint32 CellHeight() const;
    // The current cell's font name; the grid's own font family when the cell has none.
    QString CellFontName() const;
    void setCellFontName(const QString &name);
    // Invalid colour = the grid's default.
    QColor CellBackColor() const;
    void setCellBackColor(const QColor &color);
    QColor CellForeColor() const;
    void setCellForeColor(const QColor &color);
    QColor BackColorSel() const;
    void setBackColorSel(const QColor &color);
    QColor ForeColorSel() const;
    void setForeColorSel(const QColor &color);

    // Inserts a row at index (at the end when -1); tab characters separate the texts of
    // consecutive cells, starting at column 0.
    void AddItem(const QString &item, qint32 index = -1);
    void RemoveItem(qint32 index);

signals:
    // A left click on a cell, after Row and Col moved to it.
    void Click();
    // A key that types a character; a handler that sets the code to 0 swallows the key.
    void KeyPress(qint16 &keyAscii);
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
    void MouseDown(qint16 button, qint16 shift, double x, double y);
    // The Menu key or Shift+F10: the keyboard's right button, meant for the current cell.
    void ContextKey();
    void LeaveCell();
    void EnterCell();
    void Scroll();
    void GotFocus();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void keyboardSearch(const QString &search) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class FlexGridBulkFill;
    void beginBulkFill(qint32 expectedRows);
    void endBulkFill();

    void checkRow(qint32 row) const;
    void checkCol(qint32 col) const;
    void moveCurrent(qint32 row, qint32 col);
    bool extendRowSelection(const QKeyEvent &event);
    void selectAllRows();
    void scheduleViewSync();
    void syncViewToCurrent();
    void applyColWidth(qint32 col);
    void applyAllColWidths();
    void applyFixedLayout();
    void userResizedColumn(int section, int newSize);
    QRect cellRect(qint32 row, qint32 col) const;
    void refreshScrollRanges();
    void setSelectionColor(QPalette::ColorRole role, const QColor &color);

    FlexGridModel *m_model;
    std::vector<qint32> m_colWidths;
    QString m_formatString;
    FlexResize m_allowUserResizing = FlexResize::None;
    qint32 m_row = 0;
    qint32 m_col = 0;
    qint32 m_rowSel = 0;
    bool m_movingView = false;
    bool m_applyingWidths = false;
    QTimer m_viewSync;
};

} // namespace toolkit
