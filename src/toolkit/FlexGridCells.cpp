#include "toolkit/FlexGridCells.h"

#include <algorithm>

namespace toolkit {

qsizetype FlexGridCells::cellStart(int row, int column) const
{
    return column == 0 ? 0 : qsizetype(cellEnd(row, column - 1));
}

QString FlexGridCells::text(int row, int column) const
{
    const qsizetype start = cellStart(row, column);
    return m_rows[std::size_t(row)].text.mid(start, qsizetype(cellEnd(row, column)) - start);
}

void FlexGridCells::setText(int row, int column, const QString &text)
{
    QString &rowText = m_rows[std::size_t(row)].text;
    const qsizetype start = cellStart(row, column);
    const qsizetype oldLength = qsizetype(cellEnd(row, column)) - start;
    if (oldLength == 0 && text.isEmpty())
        return;
    rowText.replace(start, oldLength, text);
    const qint64 delta = text.size() - oldLength;
    for (int c = column; c < m_columns; ++c)
        cellEnd(row, c) = quint32(qint64(cellEnd(row, c)) + delta);
}

void FlexGridCells::setRowTexts(int row, FlexRowText texts)
{
    const int count = std::min(texts.cellCount(), m_columns);
    if (count == 0)
        return;
    QString &rowText = m_rows[std::size_t(row)].text;
    const qsizetype oldRestStart = cellStart(row, count);
    const qsizetype written = texts.cellEnd(count - 1);
    QString built = texts.takeText();
    built.truncate(written);
    for (int c = 0; c < count; ++c)
        cellEnd(row, c) = texts.cellEnd(c);
    const qint64 delta = written - oldRestStart;
    // The cells beyond the written ones keep their texts; a new row has none.
    if (oldRestStart < rowText.size())
        built += QStringView(rowText).mid(oldRestStart);
    for (int c = count; c < m_columns; ++c)
        cellEnd(row, c) = quint32(qint64(cellEnd(row, c)) + delta);
    rowText = std::move(built);
}

bool FlexGridCells::isRowBlank(int row, int firstColumn) const
{
    const QString &rowText = m_rows[std::size_t(row)].text;
    const qsizetype start = firstColumn < m_columns ? cellStart(row, firstColumn) : rowText.size();
    return std::all_of(rowText.cbegin() + start, rowText.cend(), [](QChar c) { return c.isSpace(); });
}

void FlexGridCells::insertRows(int at, int count)
{
    m_rows.insert(m_rows.begin() + at, std::size_t(count), Row());
    m_ends.insert(m_ends.begin() + std::ptrdiff_t(at) * m_columns, std::size_t(count) * m_columns, 0u);
}

void FlexGridCells::reserveRows(int rows)
{
    m_rows.reserve(std::size_t(std::max(rows, 0)));
    m_ends.reserve(std::size_t(std::max(rows, 0)) * std::size_t(m_columns));
}

void FlexGridCells::removeRows(int at, int count)
{
    m_rows.erase(m_rows.begin() + at, m_rows.begin() + at + count);
    const auto first = m_ends.begin() + std::ptrdiff_t(at) * m_columns;
    m_ends.erase(first, first + std::ptrdiff_t(count) * m_columns);
}

void FlexGridCells::setColumnCount(int count)
{
    if (count == m_columns)
        return;
    std::vector<quint32> ends(m_rows.size() * std::size_t(count), 0u);
    const int kept = std::min(count, m_columns);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        Row &row = m_rows[r];
        quint32 lastEnd = 0;
        for (int c = 0; c < kept; ++c) {
            lastEnd = m_ends[r * m_columns + c];
            ends[r * count + c] = lastEnd;
        }
        for (int c = kept; c < count; ++c)
            ends[r * count + c] = lastEnd;
        row.text.truncate(lastEnd);
        std::erase_if(row.styles, [count](const CellStyle &style) { return style.column >= count; });
    }
    m_ends = std::move(ends);
    m_columns = count;
}

const FlexGridCells::CellStyle *FlexGridCells::findStyle(int row, int column) const
{
    const auto &styles = m_rows[std::size_t(row)].styles;
    const auto found = std::find_if(styles.begin(), styles.end(), [column](const CellStyle &s) { return s.column == column; });
    return found == styles.end() ? nullptr : &*found;
}

FlexGridCells::CellStyle &FlexGridCells::styleFor(int row, int column)
{
    auto &styles = m_rows[std::size_t(row)].styles;
    const auto found = std::find_if(styles.begin(), styles.end(), [column](const CellStyle &s) { return s.column == column; });
    if (found != styles.end())
        return *found;
    CellStyle style;
    style.column = column;
    styles.push_back(style);
    return styles.back();
}

void FlexGridCells::dropIfDefault(int row, int column)
{
    std::erase_if(m_rows[std::size_t(row)].styles, [column](const CellStyle &s) { return s.column == column && s.isDefault(); });
}

QString FlexGridCells::fontName(int row, int column) const
{
    const CellStyle *style = findStyle(row, column);
    return style && style->font >= 0 ? m_fontNames.at(style->font) : QString();
}

void FlexGridCells::setFontName(int row, int column, const QString &name)
{
    if (name.isEmpty()) {
        if (findStyle(row, column)) {
            styleFor(row, column).font = -1;
            dropIfDefault(row, column);
        }
        return;
    }
    qsizetype index = m_fontNames.indexOf(name);
    if (index < 0) {
        m_fontNames.append(name);
        index = m_fontNames.size() - 1;
    }
    styleFor(row, column).font = int(index);
}

QColor FlexGridCells::backColor(int row, int column) const
{
    return color(row, column, &CellStyle::back);
}

void FlexGridCells::setBackColor(int row, int column, const QColor &color)
{
    setColor(row, column, &CellStyle::back, color);
}

QColor FlexGridCells::foreColor(int row, int column) const
{
    return color(row, column, &CellStyle::fore);
}

void FlexGridCells::setForeColor(int row, int column, const QColor &color)
{
    setColor(row, column, &CellStyle::fore, color);
}

QColor FlexGridCells::color(int row, int column, ColorSlot slot) const
{
    const CellStyle *style = findStyle(row, column);
    return style && style->*slot ? QColor::fromRgba(*(style->*slot)) : QColor();
}

void FlexGridCells::setColor(int row, int column, ColorSlot slot, const QColor &color)
{
    // Resetting a cell that has no style of its own must not create one.
    if (!color.isValid() && !findStyle(row, column))
        return;
    CellStyle &style = styleFor(row, column);
    style.*slot = color.isValid() ? std::optional<QRgb>(color.rgba()) : std::nullopt;
    dropIfDefault(row, column);
}

} // namespace toolkit
