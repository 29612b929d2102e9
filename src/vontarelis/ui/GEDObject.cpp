#include "vontarelis/ui/GEDObject.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/Twips.h"
#include "vontarelis/data/lmGetSetting.h"
#include "vontarelis/ui/GridWidthStore.h"
#include "vontarelis/ui/HandlerGuard.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QScopedValueRollback>

#include <exception>

namespace vontarelis {

namespace {

constexpr qint16 KeyBack = 8;
constexpr qint16 KeyReturn = 13;
constexpr qint16 KeyLeft = 37;
constexpr qint16 KeyUp = 38;
constexpr qint16 KeyRight = 39;
constexpr qint16 KeyArrowDown = 40;
constexpr qint16 ShiftMask = 1;
constexpr qint16 CtrlMask = 2;
constexpr qint16 AltMask = 4;
constexpr qint32 ErrObjectNotSet = 91;
constexpr qint32 ErrDuplicateKey = 457;
// The editor sits this many twips above the cell, over its top grid line.
constexpr qint32 EditorLift = 15;

QString controlText(const QWidget *control)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    return control->property("text").toString();
}

void setControlText(QWidget *control, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
        return;
    }
    control->setProperty("text", text);
}

bool contains(const QWidget *outer, const QWidget *inner)
{
    return outer && inner && (outer == inner || outer->isAncestorOf(inner));
}

qint64 monotonicMilliseconds()
{
    QElapsedTimer clock;
    clock.start();
    return clock.msecsSinceReference();
}

} // namespace

GEDObject::GEDObject(QObject *parent)
    : QObject(parent),
      m_marcarLinea(GetIniSettingBool(QStringLiteral("QRN"), QStringLiteral("CONFIG"), QStringLiteral("GEDITMarcarLinea"), false)),
      m_tick(monotonicMilliseconds)
{
}

GEDObject::~GEDObject()
{
    for (auto &[column, control] : m_controles) {
        if (control)
            control->hide();
    }
    m_controles.clear();
    for (const auto &connection : m_gridConnections)
        disconnect(connection);
}

toolkit::FlexGrid &GEDObject::boundGrid() const
{
    if (!m_grid)
        throw toolkit::Error(ErrObjectNotSet, QStringLiteral("El editor de la cuadrícula no tiene una cuadrícula"),
                             QStringLiteral("GEDObject"));
    return *m_grid;
}

double GEDObject::SumaColumna(qint16 index)
{
    return hostlibs::GridUtilities().SumColumn(boundGrid(), index);
}

bool GEDObject::isEmpty(qint32 nRow)
{
    return hostlibs::GridUtilities().IsRowEmpty(boundGrid(), nRow);
}

void GEDObject::CleanRow(qint32 nRow)
{
    hostlibs::GridUtilities().ClearRow(boundGrid(), nRow);
}

void GEDObject::init(QWidget *RefForma, toolkit::FlexGrid *RefGrid, const QString &cName)
{
    if (!RefGrid)
        throw toolkit::Error(ErrObjectNotSet, QStringLiteral("No se indicó la cuadrícula del editor"),
                             QStringLiteral("GEDObject"));
    m_name = cName;
    m_controles.clear();
    m_callbackForm.setForm(RefForma);
    m_parentForm = RefForma;
    for (const auto &connection : m_gridConnections)
        disconnect(connection);
    m_grid = RefGrid;
    // The grid's notifications come from the event loop: an error stops at the guard.
    const auto cellNotification = [this] {
        Guarded(QStringLiteral("GEDObject::EnterCell"), [this] {
            if (m_activo)
                EnterCell();
        });
    };
    m_gridConnections = {connect(m_grid, &toolkit::FlexGrid::EnterCell, this, cellNotification),
                         connect(m_grid, &toolkit::FlexGrid::Click, this, cellNotification),
                         connect(m_grid, &toolkit::FlexGrid::Scroll, this,
                                 [this] { Guarded(QStringLiteral("GEDObject::Scroll"), [this] { Scroll(); }); })};
    // The user may drag column borders; the widths are kept per user.
    m_grid->setAllowUserResizing(toolkit::FlexResize::Columns);
    if (m_grid->Cols() > m_grid->FixedCols())
        m_grid->setLeftCol(m_grid->FixedCols());
    emit leftColChange(m_grid, m_grid->FixedCols());
    m_editRow = -1;
    m_editCol = -1;
    m_savedBack.assign(std::size_t(m_grid->Cols()), QColor());
    m_savedFore.assign(std::size_t(m_grid->Cols()), QColor());
    m_eventsOn = true;
}

QWidget *GEDObject::controlFor(qint32 col) const
{
    const auto found = m_controles.find(qint16(col));
    return found == m_controles.end() ? nullptr : found->second.data();
}

bool GEDObject::editorVisible() const
{
    return m_editor && m_editor->isVisible();
}

void GEDObject::hideEditor()
{
    // Hidden before disabled, so the focus that moves on finds no open editor behind it.
    m_editor->setVisible(false);
    m_editor->setEnabled(false);
}

QWidget *GEDObject::activeControl() const
{
    if (!m_parentForm)
        return nullptr;
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused->window() == m_parentForm->window())
        return focused;
    return m_parentForm->focusWidget();
}

void GEDObject::AddControl(qint16 index, QWidget *pControl)
{
    if (m_controles.count(index))
        throw toolkit::Error(ErrDuplicateKey, QStringLiteral("Esta clave ya está asociada con un elemento de esta colección"),
                             QStringLiteral("GEDObject"));
    if (m_controles.empty())
        m_editor = pControl;
    m_controles[index] = pControl;
    loadColumnWidths();
}

void GEDObject::ChangeControl(qint16 index, QWidget *pNewControl)
{
    toolkit::FlexGrid &grid = boundGrid();
    const auto found = m_controles.find(index);
    if (found != m_controles.end() && found->second != pNewControl)
        m_controles.erase(found);
    if (!pNewControl)
        return;
    m_controles[index] = pNewControl;
    const qint32 controlWidth = toolkit::Twips::fromPixelsX(pNewControl->width());
    if (grid.ColWidth(index) < controlWidth)
        grid.setColWidth(index, controlWidth);
    loadColumnWidths();
}

void GEDObject::loadColumnWidths()
{
    if (!m_grid || !m_parentForm)
        return;
    const GridWidthStore store(hostlibs::CommonUtilities().ApplicationName(), m_parentForm->objectName(),
                               m_grid->objectName());
    const auto stored = store.load(m_grid->Cols());
    m_storedWidths.resize(std::size_t(m_grid->Cols()));
    for (qint32 col = 0; col < m_grid->Cols(); ++col)
        m_storedWidths[std::size_t(col)] = m_grid->ColWidth(col);
    for (const auto &[col, width] : stored) {
        m_grid->setColWidth(col, width);
        m_storedWidths[std::size_t(col)] = width;
        fitControl(col, width);
    }
}

void GEDObject::saveColumnWidths()
{
    if (!m_grid || !m_parentForm)
        return;
    const GridWidthStore store(hostlibs::CommonUtilities().ApplicationName(), m_parentForm->objectName(),
                               m_grid->objectName());
    for (qint32 col = qint32(m_storedWidths.size()); col < m_grid->Cols(); ++col)
        m_storedWidths.push_back(m_grid->ColWidth(col));
    for (qint32 col = 0; col < m_grid->Cols(); ++col) {
        const qint32 width = m_grid->ColWidth(col);
        if (width == 0 || width == m_storedWidths[std::size_t(col)])
            continue;
        if (width >= MinimumKeptWidth) {
            store.save(col, width);
            fitControl(col, width);
            m_storedWidths[std::size_t(col)] = width;
            reposControl(col);
        } else {
            m_grid->setColWidth(col, SpringBackWidth);
        }
        emit colWidthChange(m_grid, col, m_grid->ColWidth(col));
    }
}

void GEDObject::fitControl(qint32 col, qint32 width)
{
    QWidget *control = controlFor(col);
    if (!control)
        return;
    if (width < MinimumKeptWidth)
        m_grid->setColWidth(col, toolkit::Twips::fromPixelsX(control->width()));
    else
        control->resize(toolkit::Twips::toPixelsX(width), control->height());
}

void GEDObject::placeEditor()
{
    const QPoint gridOrigin = m_editor->parentWidget() ? m_grid->mapTo(m_editor->parentWidget(), QPoint(0, 0))
                                                       : m_grid->mapToGlobal(QPoint(0, 0));
    m_editor->move(gridOrigin.x() + toolkit::Twips::toPixelsX(m_grid->CellLeft()),
                   gridOrigin.y() + toolkit::Twips::toPixelsY(m_grid->CellTop() - EditorLift));
}

void GEDObject::reposControl(qint32 col)
{
    if (!editorVisible() || m_editCol < col)
        return;
    try {
        placeEditor();
        m_editor->resize(toolkit::Twips::toPixelsX(m_grid->ColWidth(m_editCol)), m_editor->height());
    } catch (const std::exception &) {
        // A misplaced editor is better than a failed width change.
    }
}

void GEDObject::ShowEditor()
{
    QWidget *control = controlFor(m_editCol);
    if (!control)
        return;
    m_editor = control;
    setControlText(control, m_grid->TextMatrix(m_editRow, m_editCol));
    try {
        placeEditor();
        const int wanted = toolkit::Twips::toPixelsX(m_grid->ColWidth(m_editCol));
        control->resize(wanted, control->height());
        if (control->width() != wanted)
            m_grid->setColWidth(m_editCol, toolkit::Twips::fromPixelsX(control->width()));
    } catch (const std::exception &) {
        // The editor opens where it is rather than not at all.
    }
    control->setVisible(true);
    control->setEnabled(true);
    control->raise();
    if (m_parentForm && m_parentForm->isEnabled() && control->isVisible()) {
        m_focusTick = m_tick();
        control->setFocus(Qt::OtherFocusReason);
    }
}

bool GEDObject::cellAccepted(qint32 row, qint32 col)
{
    bool cancel = false;
    emit ValidateCell(m_grid, row, col, cancel);
    if (!cancel)
        cancel = !m_callbackForm.ValidateCell(row, col);
    return !cancel;
}

void GEDObject::CommitCell()
{
    if (m_editRow < 0 || m_editCol < 0 || !editorVisible())
        return;
    m_grid->setTextMatrix(m_editRow, m_editCol, controlText(m_editor));
    if (cellAccepted(m_editRow, m_editCol))
        hideEditor();
    else
        m_editor->setFocus(Qt::OtherFocusReason);
}

void GEDObject::moveQuietly(qint32 row, qint32 col)
{
    const QScopedValueRollback quiet(m_eventsOn, false);
    m_grid->setRow(row);
    m_grid->setCol(col);
}

void GEDObject::EnterCell()
{
    if (!m_grid)
        return;
    highlightRow();
    if (!m_eventsOn)
        return;
    const qint32 row = m_grid->Row();
    const qint32 col = m_grid->Col();
    if (row < m_grid->FixedRows()) {
        if (m_grid->Rows() == m_grid->FixedRows())
            m_grid->setRows(m_grid->Rows() + 1);
        m_grid->setRow(m_grid->FixedRows());
        return;
    }
    if (row != m_editRow)
        emit RowChanged(m_grid, row);
    if (m_controles.empty())
        return;
    if (editorVisible()) {
        if (row == m_editRow && col == m_editCol)
            return;
        CommitCell();
        if (editorVisible()) {
            moveQuietly(m_editRow, m_editCol);
            return;
        }
        if (row != m_editRow) {
            bool cancel = false;
            emit ValidateRow(m_grid, m_editRow, cancel);
            if (cancel) {
                moveQuietly(m_editRow, m_editCol);
                ShowEditor();
                return;
            }
        }
    }
    m_editRow = row;
    m_editCol = col;
    ShowEditor();
}

void GEDObject::ControlLost()
{
    const qint64 now = m_tick();
    if (now - m_focusTick < FocusGuardMs)
        return;
    m_focusTick = now;
    try {
        saveColumnWidths();
    } catch (const std::exception &) {
        // The widths are a comfort; editing goes on without them.
    }
    QCoreApplication::processEvents();
    if (!m_grid || !m_parentForm || !m_parentForm->isEnabled() || !editorVisible())
        return;

    QWidget *active = activeControl();
    if (active && active->objectName() == QLatin1String("cbCancelar")) {
        hideEditor();
        return;
    }
    if (contains(m_editor, active))
        return;
    if (m_grid->Row() == m_editRow && m_grid->Col() == m_editCol) {
        if (active == m_grid || (active && active->property("tag").toString().startsWith(QLatin1String("GGRID")))) {
            m_editor->setFocus(Qt::OtherFocusReason);
            return;
        }
        CommitCell();
        if (editorVisible())
            m_editor->setFocus(Qt::OtherFocusReason);
        return;
    }
    const qint32 row = m_editRow;
    const qint32 col = m_editCol;
    CommitCell();
    if (editorVisible())
        return;
    if (!cellAccepted(row, col)) {
        moveQuietly(row, col);
        bringIntoView(row, col);
        ShowEditor();
    }
    emit cellValid(m_grid, row, col);
    m_focusTick = m_tick();
}

qint32 GEDObject::nextEditableCol(qint32 from) const
{
    for (qint32 col = from + 1; col < m_grid->Cols(); ++col) {
        if (controlFor(col))
            return col;
    }
    return -1;
}

qint32 GEDObject::previousEditableCol(qint32 from) const
{
    for (qint32 col = from - 1; col >= m_grid->FixedCols(); --col) {
        if (col == m_grid->FixedCols() || controlFor(col))
            return col;
    }
    return -1;
}

void GEDObject::KeyDown(qint16 &KeyCode, qint16 Shift)
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
    if (!m_grid)
        return;
    const bool modifier = (Shift & (ShiftMask | CtrlMask | AltMask)) != 0;
    const bool ctrlAlone = Shift == CtrlMask;
    switch (KeyCode) {
    case KeyReturn: {
        CommitCell();
        if (editorVisible())
            return;
        KeyCode = 0;
        const qint32 next = nextEditableCol(m_editCol);
        if (next >= 0) {
            m_grid->setCol(next);
            return;
        }
        bool cancel = false;
        emit ValidateCell(m_grid, m_editRow, m_editCol, cancel);
        if (!cancel && m_callbackForm.IsRowValid(m_editRow))
            nextRow();
        else
            EnterCell();
        return;
    }
    case KeyArrowDown:
        if (ctrlAlone)
            return;
        CommitCell();
        if (editorVisible())
            return;
        KeyCode = 0;
        nextRow();
        return;
    case KeyUp:
        if (ctrlAlone || m_editRow == m_grid->FixedRows())
            return;
        CommitCell();
        if (editorVisible())
            return;
        KeyCode = 0;
        previousRow();
        return;
    case KeyLeft:
    case KeyRight: {
        if (!modifier)
            return;
        const bool left = KeyCode == KeyLeft;
        CommitCell();
        if (editorVisible())
            return;
        KeyCode = 0;
        const qint32 target = left ? previousEditableCol(m_editCol) : nextEditableCol(m_editCol);
        if (target >= 0)
            m_grid->setCol(target);
        return;
    }
    case KeyBack:
        if (!modifier)
            return;
        KeyCode = 0;
        deleteRow();
        return;
    default:
        return;
    }
}

bool GEDObject::mayLeaveRow()
{
    bool cancel = false;
    if (m_editRow >= m_grid->FixedRows())
        emit ValidateRow(m_grid, m_editRow, cancel);
    if (!cancel)
        cancel = !m_callbackForm.IsRowValid(m_grid->Row());
    // A row that fails its checks takes the editing back.
    if (cancel)
        EnterCell();
    return !cancel;
}

void GEDObject::nextRow()
{
    if (!mayLeaveRow())
        return;
    if (m_grid->Row() == m_grid->Rows() - 1) {
        const qint32 newRow = m_grid->Rows();
        bool cancel = false;
        emit MayAddRow(m_grid, newRow, cancel);
        if (!cancel)
            cancel = !m_callbackForm.MayAddRow(newRow);
        if (cancel) {
            EnterCell();
            return;
        }
        m_grid->setRows(newRow + 1);
        moveQuietly(m_grid->Row(), m_grid->FixedCols());
        m_grid->setLeftCol(m_grid->FixedCols());
        emit leftColChange(m_grid, m_grid->FixedCols());
        emit FillNewRow(m_grid, newRow);
        m_callbackForm.FillNewRow(newRow);
    }
    m_grid->setRow(m_grid->Row() + 1);
    while (!m_grid->RowIsVisible(m_grid->Row())) {
        const qint32 top = m_grid->TopRow();
        m_grid->setTopRow(top + 1);
        if (m_grid->TopRow() == top)
            break;
    }
    EnterCell();
}

void GEDObject::previousRow()
{
    if (!mayLeaveRow())
        return;
    if (m_grid->Row() == m_grid->FixedRows())
        return;
    m_grid->setRow(m_grid->Row() - 1);
    while (!m_grid->RowIsVisible(m_grid->Row()) && m_grid->TopRow() > m_grid->FixedRows())
        m_grid->setTopRow(m_grid->TopRow() - 1);
    EnterCell();
}

void GEDObject::deleteRow()
{
    const qint32 row = m_grid->Row();
    bool cancel = false;
    emit MayDeleteRow(m_grid, row, cancel);
    if (!cancel)
        cancel = !m_callbackForm.MayDeleteRow(row);
    if (cancel) {
        EnterCell();
        return;
    }
    {
        const QScopedValueRollback quiet(m_eventsOn, false);
        if (editorVisible())
            hideEditor();
        if (m_marcarLinea && m_markedRow >= m_grid->FixedRows() && m_markedRow < m_grid->Rows()) {
            const QScopedValueRollback guard(m_highlighting, true);
            paintRow(m_markedRow, true);
        }
        if (m_grid->Rows() - m_grid->FixedRows() == 1) {
            for (qint32 col = 0; col < m_grid->Cols(); ++col)
                m_grid->setTextMatrix(row, col, QString());
        } else {
            m_grid->RemoveItem(row);
        }
        m_editRow = std::min(m_grid->Row(), m_grid->Rows() - 1);
        m_grid->setRow(m_editRow);
        m_grid->setCol(0);
        m_editCol = 0;
        // The highlighted row is gone or emptied: nothing is marked any more.
        m_markedRow = -1;
        highlightRow();
        ShowEditor();
    }
    emit RowDeleted(m_grid, m_editRow);
}

void GEDObject::paintRow(qint32 row, bool restore)
{
    const auto columns = std::size_t(m_grid->Cols());
    if (m_savedBack.size() < columns) {
        m_savedBack.resize(columns);
        m_savedFore.resize(columns);
    }
    for (qint32 col = m_grid->FixedCols(); col < m_grid->Cols(); ++col) {
        m_grid->setRow(row);
        m_grid->setCol(col);
        if (restore) {
            m_grid->setCellBackColor(m_savedBack[std::size_t(col)]);
            m_grid->setCellForeColor(m_savedFore[std::size_t(col)]);
        } else {
            m_savedBack[std::size_t(col)] = m_grid->CellBackColor();
            m_savedFore[std::size_t(col)] = m_grid->CellForeColor();
            m_grid->setCellBackColor(m_grid->BackColorSel());
            m_grid->setCellForeColor(m_grid->ForeColorSel());
        }
    }
}

void GEDObject::highlightRow()
{
    if (!m_marcarLinea || m_highlighting || !m_grid)
        return;
    const qint32 row = m_grid->Row();
    if (row == m_markedRow)
        return;
    const QScopedValueRollback guard(m_highlighting, true);
    const QScopedValueRollback quiet(m_eventsOn, false);
    const qint32 col = m_grid->Col();
    if (m_markedRow >= m_grid->FixedRows() && m_markedRow < m_grid->Rows())
        paintRow(m_markedRow, true);
    if (row >= m_grid->FixedRows())
        paintRow(row, false);
    m_markedRow = row;
    m_grid->setRow(row);
    m_grid->setCol(col);
}

void GEDObject::bringIntoView(qint32 row, qint32 col)
{
    if (!m_grid->ColIsVisible(col)) {
        if (col < m_grid->LeftCol()) {
            m_grid->setLeftCol(col);
        } else {
            while (!m_grid->ColIsVisible(col)) {
                const qint32 left = m_grid->LeftCol();
                m_grid->setLeftCol(std::min(left + 1, m_grid->Cols() - 1));
                if (m_grid->LeftCol() == left)
                    break;
            }
        }
    }
    if (!m_grid->RowIsVisible(row)) {
        if (row < m_grid->TopRow()) {
            m_grid->setTopRow(row);
        } else {
            while (!m_grid->RowIsVisible(row)) {
                const qint32 top = m_grid->TopRow();
                m_grid->setTopRow(std::min(top + 1, m_grid->Rows() - 1));
                if (m_grid->TopRow() == top)
                    break;
            }
        }
        emit topRowChange(m_grid, m_grid->TopRow());
    }
}

void GEDObject::Scroll()
{
    if (editorVisible())
        hideEditor();
    if (m_grid)
        emit leftColChange(m_grid, m_grid->LeftCol());
}

void GEDObject::GED_Clear()
{
    toolkit::FlexGrid &grid = boundGrid();
    {
        const QScopedValueRollback quiet(m_eventsOn, false);
        grid.setRows(grid.FixedRows() + 1);
        grid.setRow(grid.FixedRows());
        grid.setCol(grid.FixedCols());
        m_editRow = -1;
        m_editCol = -1;
        for (auto &[column, control] : m_controles) {
            if (control)
                control->hide();
        }
        CleanRow(grid.FixedRows());
    }
    m_eventsOn = true;
    grid.setLeftCol(grid.FixedCols());
    emit leftColChange(&grid, grid.FixedCols());
}

void GEDObject::activate()
{
    m_activo = true;
    m_eventsOn = true;
}

void GEDObject::deActivate()
{
    m_eventsOn = false;
    if (editorVisible())
        hideEditor();
    m_activo = false;
}

} // namespace vontarelis
