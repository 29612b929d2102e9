#pragma once

#include "toolkit/FlexRowText.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <optional>
#include <vector>

namespace toolkit {

// Text, font and colours of every cell of a grid. A row's texts share one string with a table
// of end offsets, and a style exists only for a cell that was given one, so a grid of a
// hundred thousand rows stays small. Rows and columns are the grid's own, fixed ones included.
class FlexGridCells
{
public:
    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return m_columns; }

    QString text(int row, int column) const;
    void setText(int row, int column, const QString &text);
    // The row's first cells, as many as texts holds (at most every column), written at once.
    void setRowTexts(int row, FlexRowText texts);
    bool isRowBlank(int row, int firstColumn) const;

    void insertRows(int at, int count);
    // Room for that many rows, so that growing up to them moves nothing.
    void reserveRows(int rows);
    void removeRows(int at, int count);
    void setColumnCount(int count);

    // Empty when the cell uses the grid's font.
    QString fontName(int row, int column) const;
    void setFontName(int row, int column, const QString &name);
    // Invalid when the cell uses the grid's colour.
    QColor backColor(int row, int column) const;
    void setBackColor(int row, int column, const QColor &color);
    QColor foreColor(int row, int column) const;
    void setForeColor(int row, int column, const QColor &color);

private:
    struct CellStyle
    {
        int column = 0;
        int font = -1;
        std::optional<QRgb> back;
        std::optional<QRgb> fore;

        bool isDefault() const { return font < 0 && !back && !fore; }
    };
    using ColorSlot = std::optional<QRgb> CellStyle::*;
    struct Row
    {
        QString text;
        // Room for one style in place: a listing styles one cell per row, its tick.
        std::vector<CellStyle> styles;
    };

    const CellStyle *findStyle(int row, int column) const;
    CellStyle &styleFor(int row, int column);
    void dropIfDefault(int row, int column);
    QColor color(int row, int column, ColorSlot slot) const;
    void setColor(int row, int column, ColorSlot slot, const QColor &color);
    qsizetype cellStart(int row, int column) const;
    quint32 &cellEnd(int row, int column) { return m_ends[std::size_t(row) * m_columns + column]; }
    quint32 cellEnd(int row, int column) const { return m_ends[std::size_t(row) * m_columns + column]; }

    std::vector<Row> m_rows;
    std::vector<quint32> m_ends;
    int m_columns = 0;
    // Each font name is kept once; cells refer to it by position.
    QStringList m_fontNames;
};

} // namespace toolkit
