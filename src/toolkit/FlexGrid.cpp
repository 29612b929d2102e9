#include "toolkit/FlexGrid.h"

#include "toolkit/Error.h"
#include "toolkit/FlexGridDelegate.h"
#include "toolkit/FlexGridModel.h"
#include "toolkit/KeyAscii.h"
#include "toolkit/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace toolkit {

namespace {

const QString ErrorSource = QStringLiteral("FlexGrid");

[[noreturn]] void outOfRange()
{
    throw Error(ErrSubscript, QStringLiteral("Subíndice fuera del intervalo"), ErrorSource);
}

[[noreturn]] void invalidValue(const QString &what)
{
    throw Error(ErrInvalidCall, QStringLiteral("Valor no válido para %1").arg(what), ErrorSource);
}

qint16 buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

qint16 shiftCode(Qt::KeyboardModifiers modifiers)
{
    return qint16((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
                  | (modifiers & Qt::AltModifier ? 4 : 0));
}

} // namespace

FlexGrid::FlexGrid(QWidget *parent) : QTableView(parent), m_model(new FlexGridModel(this))
{
    setModel(m_model);
    setItemDelegate(new FlexGridDelegate(this));
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerItem);
    setCornerButtonEnabled(false);

    QHeaderView *columns = horizontalHeader();
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setMinimumSectionSize(1);
    columns->setStretchLastSection(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView *rows = verticalHeader();
    rows->setSectionsClickable(false);
    rows->setHighlightSections(false);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    columns->viewport()->installEventFilter(this);
    rows->viewport()->installEventFilter(this);

    connect(columns, &QHeaderView::sectionResized, this,
            [this](int section, int, int newSize) { userResizedColumn(section, newSize); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::Scroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::Scroll);
    connect(this, &QAbstractItemView::clicked, this, &FlexGrid::Click);

    // The classic defaults: two rows and two columns, one of each fixed.
    m_model->setGridCols(2);
    m_colWidths.assign(2, DefaultColWidth);
    m_model->setGridRows(2);
    m_model->setFixed(1, 1);
    m_row = 1;
    m_rowSel = 1;
    m_col = 1;
    setAllowUserResizing(FlexResize::None);
    applyFixedLayout();
    applyAllColWidths();
    m_viewSync.setSingleShot(true);
    connect(&m_viewSync, &QTimer::timeout, this, &FlexGrid::syncViewToCurrent);
    syncViewToCurrent();
}

qint32 FlexGrid::Rows() const
{
    return m_model->gridRows();
}

void FlexGrid::setRows(qint32 rows)
{
    if (rows < FixedRows())
        invalidValue(QStringLiteral("Rows"));
    {
        const QScopedValueRollback guard(m_movingView, true);
        m_model->setGridRows(rows);
    }
    m_row = std::clamp(m_row, 0, std::max(rows - 1, 0));
    m_rowSel = std::clamp(m_rowSel, 0, std::max(rows - 1, 0));
    scheduleViewSync();
}

qint32 FlexGrid::Cols() const
{
    return m_model->gridCols();
}

void FlexGrid::setCols(qint32 cols)
{
    if (cols < FixedCols())
        invalidValue(QStringLiteral("Cols"));
    const qint32 oldCols = Cols();
    {
        const QScopedValueRollback guard(m_movingView, true);
        m_model->setGridCols(cols);
    }
    m_colWidths.resize(std::size_t(cols), DefaultColWidth);
    for (qint32 col = oldCols; col < cols; ++col)
        applyColWidth(col);
    m_col = std::clamp(m_col, 0, std::max(cols - 1, 0));
    scheduleViewSync();
}

qint32 FlexGrid::FixedRows() const
{
    return m_model->fixedRows();
}

void FlexGrid::setFixedRows(qint32 fixedRows)
{
    if (fixedRows < 0 || (fixedRows > 0 && fixedRows >= Rows()))
        invalidValue(QStringLiteral("FixedRows"));
    {
        const QScopedValueRollback guard(m_movingView, true);
        m_model->setFixed(fixedRows, FixedCols());
    }
    applyFixedLayout();
    applyAllColWidths();
    scheduleViewSync();
}

qint32 FlexGrid::FixedCols() const
{
    return m_model->fixedCols();
}

void FlexGrid::setFixedCols(qint32 fixedCols)
{
    if (fixedCols < 0 || (fixedCols > 0 && fixedCols >= Cols()))
        invalidValue(QStringLiteral("FixedCols"));
    {
        const QScopedValueRollback guard(m_movingView, true);
        m_model->setFixed(FixedRows(), fixedCols);
    }
    applyFixedLayout();
    applyAllColWidths();
    scheduleViewSync();
}

void FlexGrid::beginBulkFill(qint32 expectedRows)
{
    m_model->beginBulkChange(expectedRows);
}

void FlexGrid::endBulkFill()
{
    {
        const QScopedValueRollback guard(m_movingView, true);
        m_model->endBulkChange();
    }
    // The reset took the view's current cell and selection; they follow the grid's again.
    scheduleViewSync();
}

void FlexGrid::checkRow(qint32 row) const
{
    if (row < 0 || row >= Rows())
        outOfRange();
}

void FlexGrid::checkCol(qint32 col) const
{
    if (col < 0 || col >= Cols())
        outOfRange();
}

QString FlexGrid::TextMatrix(qint32 row, qint32 col) const
{
    checkRow(row);
    checkCol(col);
    return m_model->text(row, col);
}

void FlexGrid::setTextMatrix(qint32 row, qint32 col, const QString &text)
{
    checkRow(row);
    checkCol(col);
    m_model->setText(row, col, text);
}

void FlexGrid::setRowTexts(qint32 row, FlexRowText texts)
{
    checkRow(row);
    m_model->setRowTexts(row, std::move(texts));
}

QString FlexGrid::Text() const
{
    return TextMatrix(m_row, m_col);
}

void FlexGrid::setText(const QString &text)
{
    setTextMatrix(m_row, m_col, text);
}

void FlexGrid::setFormatString(const QString &format)
{
    m_formatString = format;
    const QStringList headers = format.split(QLatin1Char('|'));
    setCols(std::max(qint32(headers.size()), FixedCols()));
    const QFontMetrics metrics(horizontalHeader()->font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 2;
    for (qint32 col = 0; col < headers.size(); ++col) {
        QString text = headers.at(col);
        if (text.startsWith(QLatin1Char('<')))
            setColAlignment(col, FlexAlignment::LeftCenter);
        else if (text.startsWith(QLatin1Char('^')))
            setColAlignment(col, FlexAlignment::CenterCenter);
        else if (text.startsWith(QLatin1Char('>')))
            setColAlignment(col, FlexAlignment::RightCenter);
        if (text.startsWith(QLatin1Char('<')) || text.startsWith(QLatin1Char('^')) || text.startsWith(QLatin1Char('>')))
            text.remove(0, 1);
        if (Rows() > 0)
            setTextMatrix(0, col, text);
        setColWidth(col, Twips::fromPixelsX(metrics.horizontalAdvance(text) + padding));
    }
}

FlexAlignment FlexGrid::ColAlignment(qint32 col) const
{
    checkCol(col);
    return m_model->alignment(col);
}

void FlexGrid::setColAlignment(qint32 col, FlexAlignment alignment)
{
    checkCol(col);
    m_model->setAlignment(col, alignment);
}

qint32 FlexGrid::ColWidth(qint32 col) const
{
    checkCol(col);
    return m_colWidths[std::size_t(col)];
}

void FlexGrid::setColWidth(qint32 col, qint32 twips)
{
    checkCol(col);
    m_colWidths[std::size_t(col)] = twips < 0 ? DefaultColWidth : twips;
    applyColWidth(col);
}

void FlexGrid::applyColWidth(qint32 col)
{
    if (col < FixedCols()) {
        applyFixedLayout();
        return;
    }
    const QScopedValueRollback guard(m_applyingWidths, true);
    const int section = col - FixedCols();
    const qint32 twips = m_colWidths[std::size_t(col)];
    setColumnHidden(section, twips == 0);
    if (twips > 0)
        setColumnWidth(section, std::max(1, Twips::toPixelsX(twips)));
}

void FlexGrid::applyAllColWidths()
{
    for (qint32 col = FixedCols(); col < Cols(); ++col)
        applyColWidth(col);
}

void FlexGrid::applyFixedLayout()
{
    horizontalHeader()->setVisible(FixedRows() > 0);
    int fixedWidth = 0;
    for (qint32 col = 0; col < FixedCols(); ++col)
        fixedWidth += m_colWidths[std::size_t(col)] > 0 ? Twips::toPixelsX(m_colWidths[std::size_t(col)]) : 0;
    verticalHeader()->setFixedWidth(fixedWidth);
    verticalHeader()->setVisible(fixedWidth > 0);
}

void FlexGrid::userResizedColumn(int section, int newSize)
{
    const qint32 col = section + FixedCols();
    if (m_applyingWidths || col >= Cols())
        return;
    m_colWidths[std::size_t(col)] = newSize == 0 ? 0 : Twips::fromPixelsX(newSize);
}

void FlexGrid::setAllowUserResizing(FlexResize resizing)
{
    m_allowUserResizing = resizing;
    const bool columns = resizing == FlexResize::Columns || resizing == FlexResize::Both;
    const bool rows = resizing == FlexResize::Rows || resizing == FlexResize::Both;
    horizontalHeader()->setSectionResizeMode(columns ? QHeaderView::Interactive : QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(rows ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void FlexGrid::setRow(qint32 row)
{
    checkRow(row);
    moveCurrent(row, m_col);
}

void FlexGrid::setRowSel(qint32 row)
{
    checkRow(row);
    m_rowSel = row;
    scheduleViewSync();
}

void FlexGrid::setCol(qint32 col)
{
    checkCol(col);
    moveCurrent(m_row, col);
}

void FlexGrid::moveCurrent(qint32 row, qint32 col)
{
    if (m_rowSel != row) {
        m_rowSel = row;
        scheduleViewSync();
    }
    if (row == m_row && col == m_col)
        return;
    emit LeaveCell();
    m_row = row;
    m_col = col;
    scheduleViewSync();
    emit EnterCell();
}

void FlexGrid::scheduleViewSync()
{
    // A load moves the current cell once per row; the view follows once, when control returns.
    if (!m_viewSync.isActive())
        m_viewSync.start(0);
}

void FlexGrid::syncViewToCurrent()
{
    m_viewSync.stop();
    QItemSelectionModel *selection = selectionModel();
    const bool inData = m_row >= FixedRows() && m_row < Rows() && m_model->columnCount() > 0;
    const QModelIndex wanted = inData ? m_model->index(m_row - FixedRows(), std::max(m_col - FixedCols(), 0)) : QModelIndex();
    const QScopedValueRollback guard(m_movingView, true);
    if (!wanted.isValid()) {
        if (selection->currentIndex().isValid() || selection->hasSelection())
            selection->clear();
        return;
    }
    const int other = std::clamp(m_rowSel, FixedRows(), Rows() - 1) - FixedRows();
    const int top = std::min(wanted.row(), other);
    const int bottom = std::max(wanted.row(), other);
    const QItemSelection &shown = selection->selection();
    if (selection->currentIndex() == wanted && shown.size() == 1 && shown.first().top() == top
        && shown.first().bottom() == bottom && shown.first().left() == 0)
        return;
    selection->setCurrentIndex(wanted, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(m_model->index(top, 0), m_model->index(bottom, m_model->columnCount() - 1)),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void FlexGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_movingView || !current.isValid())
        return;
    moveCurrent(current.row() + FixedRows(), current.column() + FixedCols());
}

void FlexGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // Moving the current cell from code never scrolls; the user's moves do.
    if (m_movingView)
        return;
    QTableView::scrollTo(index, hint);
}

void FlexGrid::refreshScrollRanges()
{
    executeDelayedItemsLayout();
    updateGeometries();
}

qint32 FlexGrid::TopRow() const
{
    const int section = rowAt(0);
    return (section < 0 ? 0 : section) + FixedRows();
}

void FlexGrid::setTopRow(qint32 row)
{
    checkRow(row);
    refreshScrollRanges();
    verticalScrollBar()->setValue(std::max(row - FixedRows(), 0));
}

qint32 FlexGrid::LeftCol() const
{
    const int section = columnAt(0);
    return (section < 0 ? 0 : section) + FixedCols();
}

void FlexGrid::setLeftCol(qint32 col)
{
    checkCol(col);
    const int target = std::max(col - FixedCols(), 0);
    int visibleBefore = 0;
    for (int section = 0; section < target; ++section) {
        if (!isColumnHidden(section))
            ++visibleBefore;
    }
    refreshScrollRanges();
    horizontalScrollBar()->setValue(visibleBefore);
}

bool FlexGrid::RowIsVisible(qint32 row) const
{
    checkRow(row);
    if (row < FixedRows())
        return !horizontalHeader()->isHidden();
    const int section = row - FixedRows();
    const int top = rowViewportPosition(section);
    if (top < 0)
        return false;
    return top == 0 || top + rowHeight(section) <= viewport()->height();
}

bool FlexGrid::ColIsVisible(qint32 col) const
{
    checkCol(col);
    if (col < FixedCols())
        return m_colWidths[std::size_t(col)] > 0 && !verticalHeader()->isHidden();
    const int section = col - FixedCols();
    if (isColumnHidden(section))
        return false;
    const int left = columnViewportPosition(section);
    if (left < 0)
        return false;
    return left == 0 || left + columnWidth(section) <= viewport()->width();
}

QRect FlexGrid::cellRect(qint32 row, qint32 col) const
{
    int x = 0;
    int width = 0;
    if (col < FixedCols()) {
        x = frameWidth();
        for (qint32 c = 0; c < col; ++c)
            x += Twips::toPixelsX(m_colWidths[std::size_t(c)]);
        width = Twips::toPixelsX(m_colWidths[std::size_t(col)]);
    } else {
        const int section = col - FixedCols();
        x = viewport()->x() + columnViewportPosition(section);
        width = isColumnHidden(section) ? 0 : columnWidth(section);
    }
    int y = 0;
    int height = 0;
    if (row < FixedRows()) {
        height = horizontalHeader()->height() / FixedRows();
        y = frameWidth() + height * row;
    } else {
        const int section = row - FixedRows();
        y = viewport()->y() + rowViewportPosition(section);
        height = rowHeight(section);
    }
    return QRect(x, y, width, height);
}

qint32 FlexGrid::CellLeft() const
{
    return Twips::fromPixelsX(cellRect(m_row, m_col).x());
}

qint32 FlexGrid::CellTop() const
{
    return Twips::fromPixelsY(cellRect(m_row, m_col).y());
}

qint32 FlexGrid::CellWidth() const
{
    return Twips::fromPixelsX(cellRect(m_row, m_col).width());
}

qint32 FlexGrid::CellHeight() const
{
    return Twips::fromPixelsY(cellRect(m_row, m_col).height());
}

QString FlexGrid::CellFontName() const
{
    const QString name = m_model->fontName(m_row, m_col);
    return name.isEmpty() ? font().family() : name;
}

void FlexGrid::setCellFontName(const QString &name)
{
    m_model->setFontName(m_row, m_col, name);
}

QColor FlexGrid::CellBackColor() const
{
    return m_model->backColor(m_row, m_col);
}

void FlexGrid::setCellBackColor(const QColor &color)
{
    m_model->setBackColor(m_row, m_col, color);
}

QColor FlexGrid::CellForeColor() const
{
    return m_model->foreColor(m_row, m_col);
}

void FlexGrid::setCellForeColor(const QColor &color)
{
    m_model->setForeColor(m_row, m_col, color);
}

QColor FlexGrid::BackColorSel() const
{
    return palette().color(QPalette::Active, QPalette::Highlight);
}

void FlexGrid::setBackColorSel(const QColor &color)
{
    setSelectionColor(QPalette::Highlight, color);
}

QColor FlexGrid::ForeColorSel() const
{
    return palette().color(QPalette::Active, QPalette::HighlightedText);
}

void FlexGrid::setForeColorSel(const QColor &color)
{
    setSelectionColor(QPalette::HighlightedText, color);
}

void FlexGrid::setSelectionColor(QPalette::ColorRole role, const QColor &color)
{
    // The selection keeps its colour when the grid loses the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Active, role, color);
    colours.setColor(QPalette::Inactive, role, color);
    setPalette(colours);
}

void FlexGrid::AddItem(const QString &item, qint32 index)
{
    const qint32 at = index < 0 ? Rows() : index;
    if (at < FixedRows() || at > Rows())
        outOfRange();
    {
        const QScopedValueRollback guard(m_movingView, true);
        m_model->insertRow(at, item.split(QLatin1Char('\t')));
    }
    scheduleViewSync();
}

void FlexGrid::RemoveItem(qint32 index)
{
    if (index < FixedRows() || index >= Rows())
        outOfRange();
    if (Rows() - FixedRows() == 1)
        throw Error(ErrCannotRemoveLastRow, QStringLiteral("No se puede eliminar la última fila no fija"), ErrorSource);
    {
        const QScopedValueRollback guard(m_movingView, true);
        m_model->removeRow(index);
    }
    m_row = std::min(m_row, Rows() - 1);
    m_rowSel = std::min(m_rowSel, Rows() - 1);
    scheduleViewSync();
}

void FlexGrid::keyboardSearch(const QString &)
{
    // Typing in the grid is for KeyPress handlers, not for jumping to a matching row.
}

bool FlexGrid::extendRowSelection(const QKeyEvent &event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier || Rows() <= FixedRows())
        return false;
    qint32 target = m_row;
    switch (event.key()) {
    case Qt::Key_Up:
        target = m_row - 1;
        break;
    case Qt::Key_Down:
        target = m_row + 1;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const QModelIndex page = moveCursor(event.key() == Qt::Key_PageUp ? MovePageUp : MovePageDown, Qt::NoModifier);
        if (page.isValid())
            target = page.row() + FixedRows();
        break;
    }
    case Qt::Key_Home:
        target = FixedRows();
        break;
    case Qt::Key_End:
        target = Rows() - 1;
        break;
    default:
        return false;
    }
    target = std::clamp(target, FixedRows(), Rows() - 1);
    const qint32 anchor = m_rowSel;
    moveCurrent(target, m_col);
    m_rowSel = anchor;
    syncViewToCurrent();
    QTableView::scrollTo(currentIndex());
    return true;
}

void FlexGrid::selectAllRows()
{
    if (Rows() <= FixedRows())
        return;
    moveCurrent(FixedRows(), m_col);
    m_rowSel = Rows() - 1;
    syncViewToCurrent();
    QTableView::scrollTo(currentIndex());
}

void FlexGrid::keyPressEvent(QKeyEvent *event)
{
    syncViewToCurrent();
    if ((event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier)
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        event->accept();
        emit ContextKey();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        event->accept();
        selectAllRows();
        return;
    }
    if (extendRowSelection(*event)) {
        event->accept();
        return;
    }
    qint16 keyAscii = KeyAscii::fromEvent(*event);
    if (keyAscii != 0) {
        emit KeyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    syncViewToCurrent();
    // A right press leaves the current cell where it is, as in the classic grid.
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QTableView::mousePressEvent(event);
    const QPoint inGrid = viewport()->mapTo(this, event->position().toPoint());
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), Twips::fromPixelsX(inGrid.x()),
                   Twips::fromPixelsY(inGrid.y()));
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    // A press on a fixed cell (the headers) is a press on the grid too.
    if (event->type() == QEvent::MouseButtonPress
        && (watched == horizontalHeader()->viewport() || watched == verticalHeader()->viewport())) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const QPoint inGrid = static_cast<QWidget *>(watched)->mapTo(this, press->position().toPoint());
        emit MouseDown(buttonCode(press->button()), shiftCode(press->modifiers()), Twips::fromPixelsX(inGrid.x()),
                       Twips::fromPixelsY(inGrid.y()));
        if (press->button() == Qt::RightButton)
            return true;
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::focusInEvent(QFocusEvent *event)
{
    // Otherwise a view without a current index yet makes its first cell current.
    syncViewToCurrent();
    QTableView::focusInEvent(event);
    emit GotFocus();
}

} // namespace toolkit
