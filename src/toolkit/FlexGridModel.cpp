#include "toolkit/FlexGridModel.h"

#include <QBrush>
#include <QFont>
#include <QLocale>

namespace toolkit {

namespace {

Qt::Alignment horizontalPart(FlexAlignment alignment)
{
    switch (alignment) {
    case FlexAlignment::CenterTop:
    case FlexAlignment::CenterCenter:
    case FlexAlignment::CenterBottom:
        return Qt::AlignHCenter;
    case FlexAlignment::RightTop:
    case FlexAlignment::RightCenter:
    case FlexAlignment::RightBottom:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

Qt::Alignment verticalPart(FlexAlignment alignment)
{
    switch (alignment) {
    case FlexAlignment::LeftTop:
    case FlexAlignment::CenterTop:
    case FlexAlignment::RightTop:
        return Qt::AlignTop;
    case FlexAlignment::LeftBottom:
    case FlexAlignment::CenterBottom:
    case FlexAlignment::RightBottom:
        return Qt::AlignBottom;
    default:
        return Qt::AlignVCenter;
    }
}

bool looksNumeric(const QString &text)
{
    bool ok = false;
    QLocale().toDouble(text.trimmed(), &ok);
    return ok;
}

} // namespace

FlexGridModel::FlexGridModel(QObject *parent) : QAbstractTableModel(parent)
{
}

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cells.rowCount() - m_fixedRows;
}

int FlexGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cells.columnCount() - m_fixedCols;
}

Qt::Alignment FlexGridModel::qtAlignment(int col, const QString &text) const
{
    const FlexAlignment alignment = m_alignments[std::size_t(col)];
    if (alignment == FlexAlignment::General)
        return Qt::AlignVCenter | (looksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft);
    return horizontalPart(alignment) | verticalPart(alignment);
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int row = index.row() + m_fixedRows;
    const int col = index.column() + m_fixedCols;
    switch (role) {
    case Qt::DisplayRole:
        return m_cells.text(row, col);
    case Qt::TextAlignmentRole:
        return int(qtAlignment(col, m_cells.text(row, col)));
    case Qt::FontRole: {
        const QString name = m_cells.fontName(row, col);
        return name.isEmpty() ? QVariant() : QVariant(QFont(name));
    }
    case FontNameRole:
        return m_cells.fontName(row, col);
    case Qt::BackgroundRole: {
        const QColor color = m_cells.backColor(row, col);
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor color = m_cells.foreColor(row, col);
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    default:
        return QVariant();
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return QVariant();
        const int col = section + m_fixedCols;
        // Trailing blanks size a column in the format string; shown, they would pull centred
        // and right-aligned headers off their place.
        QStringList lines;
        for (int row = 0; row < m_fixedRows; ++row) {
            QString line = m_cells.text(row, col);
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            lines << line;
        }
        const QString text = lines.join(QLatin1Char('\n'));
        if (role == Qt::DisplayRole)
            return text;
        if (role == Qt::TextAlignmentRole)
            return int(qtAlignment(col, text));
        return QVariant();
    }
    if (section < 0 || section >= rowCount() || role != Qt::DisplayRole)
        return QVariant();
    const int row = section + m_fixedRows;
    QStringList parts;
    for (int col = 0; col < m_fixedCols; ++col)
        parts << m_cells.text(row, col);
    return parts.join(QLatin1Char(' '));
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void FlexGridModel::beginBulkChange(int expectedRows)
{
    beginResetModel();
    m_bulk = true;
    m_cells.reserveRows(expectedRows);
}

void FlexGridModel::endBulkChange()
{
    m_bulk = false;
    endResetModel();
}

void FlexGridModel::setGridRows(int rows)
{
    const int current = m_cells.rowCount();
    if (m_bulk) {
        if (rows > current)
            m_cells.insertRows(current, rows - current);
        else if (rows < current)
            m_cells.removeRows(rows, current - rows);
        return;
    }
    if (rows > current) {
        beginInsertRows(QModelIndex(), current - m_fixedRows, rows - m_fixedRows - 1);
        m_cells.insertRows(current, rows - current);
        endInsertRows();
    } else if (rows < current) {
        beginRemoveRows(QModelIndex(), rows - m_fixedRows, current - m_fixedRows - 1);
        m_cells.removeRows(rows, current - rows);
        endRemoveRows();
    }
}

void FlexGridModel::setGridCols(int cols)
{
    const int current = m_cells.columnCount();
    if (cols > current) {
        beginInsertColumns(QModelIndex(), current - m_fixedCols, cols - m_fixedCols - 1);
        m_cells.setColumnCount(cols);
        m_alignments.resize(std::size_t(cols), FlexAlignment::General);
        endInsertColumns();
    } else if (cols < current) {
        beginRemoveColumns(QModelIndex(), cols - m_fixedCols, current - m_fixedCols - 1);
        m_cells.setColumnCount(cols);
        m_alignments.resize(std::size_t(cols));
        endRemoveColumns();
    }
}

void FlexGridModel::setFixed(int fixedRows, int fixedCols)
{
    if (fixedRows == m_fixedRows && fixedCols == m_fixedCols)
        return;
    beginResetModel();
    m_fixedRows = fixedRows;
    m_fixedCols = fixedCols;
    endResetModel();
}

void FlexGridModel::cellChanged(int row, int col, std::initializer_list<int> roles)
{
    if (m_bulk)
        return;
    const bool fixedRow = row < m_fixedRows;
    const bool fixedCol = col < m_fixedCols;
    if (fixedRow && !fixedCol) {
        emit headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
    } else if (fixedCol && !fixedRow) {
        emit headerDataChanged(Qt::Vertical, row - m_fixedRows, row - m_fixedRows);
    } else if (!fixedRow && !fixedCol) {
        const QModelIndex cell = indexOf(row, col);
        emit dataChanged(cell, cell, QList<int>(roles));
    }
}

void FlexGridModel::setText(int row, int col, const QString &text)
{
    m_cells.setText(row, col, text);
    if (m_bulk)
        return;
    cellChanged(row, col, {Qt::DisplayRole, Qt::TextAlignmentRole});
}

void FlexGridModel::setRowTexts(int row, FlexRowText texts)
{
    const int written = std::min(texts.cellCount(), m_cells.columnCount());
    m_cells.setRowTexts(row, std::move(texts));
    for (int col = 0; col < written && !m_bulk; ++col)
        cellChanged(row, col, {Qt::DisplayRole, Qt::TextAlignmentRole});
}

void FlexGridModel::insertRow(int at, const QStringList &texts)
{
    beginInsertRows(QModelIndex(), at - m_fixedRows, at - m_fixedRows);
    m_cells.insertRows(at, 1);
    FlexRowText row;
    for (const QString &text : texts)
        row << text;
    m_cells.setRowTexts(at, std::move(row));
    endInsertRows();
}

void FlexGridModel::removeRow(int at)
{
    beginRemoveRows(QModelIndex(), at - m_fixedRows, at - m_fixedRows);
    m_cells.removeRows(at, 1);
    endRemoveRows();
}

void FlexGridModel::setAlignment(int col, FlexAlignment alignment)
{
    m_alignments[std::size_t(col)] = alignment;
    if (m_bulk || col < m_fixedCols || rowCount() == 0)
        return;
    emit dataChanged(index(0, col - m_fixedCols), index(rowCount() - 1, col - m_fixedCols), {Qt::TextAlignmentRole});
    emit headerDataChanged(Qt::Horizontal, col - m_fixedCols, col - m_fixedCols);
}

void FlexGridModel::setFontName(int row, int col, const QString &name)
{
    m_cells.setFontName(row, col, name);
    cellChanged(row, col, {Qt::FontRole, FontNameRole});
}

void FlexGridModel::setBackColor(int row, int col, const QColor &color)
{
    m_cells.setBackColor(row, col, color);
    cellChanged(row, col, {Qt::BackgroundRole});
}

void FlexGridModel::setForeColor(int row, int col, const QColor &color)
{
    m_cells.setForeColor(row, col, color);
    cellChanged(row, col, {Qt::ForegroundRole});
}

} // namespace toolkit
