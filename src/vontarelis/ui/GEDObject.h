#pragma once

#include "toolkit/FlexGrid.h"
#include "vontarelis/ui/GEDFormCallbacks.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

namespace vontarelis {

// Turns a FlexGrid on a form into an editable table. One editing control of the form per
// column is laid exactly over the current cell with the cell's text; the text goes back when
// the user leaves the cell. The form is asked, through the signals below and the optional
// handlers of GEDFormCallbacks, whether cells and rows are valid and whether rows may be added
// or deleted. Enter, the arrows and Ctrl/Shift/Alt+Backspace move, add and delete; the current
// row can be highlighted ("GEDITMarcarLinea"); the user's column widths are kept per form and
// grid. The form owns the grid and the controls and forwards two notifications of its editing
// controls: KeyDown and ControlLost (focus loss); the editor listens to the grid itself, and an
// error of its own grid notifications is reported at the dialog guard. Operations that need
// the grid raise error 91 while there is none; the notifications then do nothing.
class GEDObject : public QObject
{
    Q_OBJECT
public:
    // A focus loss this soon after the editor took the focus is an echo of that move.
    static constexpr qint64 FocusGuardMs = 40;
    // Narrower user widths spring back to SpringBackWidth and are not kept.
    static constexpr qint32 MinimumKeptWidth = 151;
    static constexpr qint32 SpringBackWidth = 150;

    explicit GEDObject(QObject *parent = nullptr);
    ~GEDObject() override;

    bool activo() const { return m_activo; }
    QString Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    toolkit::FlexGrid *Grid() const { return m_grid; }
    double SumaColumna(qint16 index);
    bool isEmpty(qint32 nRow);
    void CleanRow(qint32 nRow);
    void SetParentForm(QWidget *form) { m_parentForm = form; }
    void GED_Clear();
    // The form receives the handler calls; cName becomes Name.
    void init(QWidget *RefForma, toolkit::FlexGrid *RefGrid, const QString &cName = QString());
    void AddControl(qint16 index, QWidget *pControl);
    // Replaces, or with nullptr removes, the editing control of a column.
    void ChangeControl(qint16 index, QWidget *pNewControl);
    void ControlLost();
    void EnterCell();
    // KeyCode and Shift as toolkit::KeyCode gives them; a consumed key comes back as 0.
    void KeyDown(qint16 &KeyCode, qint16 Shift);
    void Scroll();
    void activate();
    void deActivate();

    // The millisecond tick counter of the focus guard; a monotonic clock unless replaced.
    void setTickSource(std::function<qint64()> tick) { m_tick = std::move(tick); }

signals:
    void ValidateCell(toolkit::FlexGrid *grid, qint32 row, qint32 col, bool &Cancel);
    void ValidateRow(toolkit::FlexGrid *grid, qint32 row, bool &Cancel);
    void cellValid(toolkit::FlexGrid *grid, qint32 row, qint32 col);
    void MayAddRow(toolkit::FlexGrid *grid, qint32 newRow, bool &Cancel);
    void MayDeleteRow(toolkit::FlexGrid *grid, qint32 row, bool &Cancel);
    void FillNewRow(toolkit::FlexGrid *grid, qint32 newRow);
    void leftColChange(toolkit::FlexGrid *grid, qint32 col);
    void topRowChange(toolkit::FlexGrid *grid, qint32 row);
    void colWidthChange(toolkit::FlexGrid *grid, qint32 col, qint32 width);
    void RowChanged(toolkit::FlexGrid *grid, qint32 row);
    void RowDeleted(toolkit::FlexGrid *grid, qint32 row);

private:
    // The edited grid; error 91 while there is none (before init, or after the grid went away).
    toolkit::FlexGrid &boundGrid() const;
    QWidget *controlFor(qint32 col) const;
    bool editorVisible() const;
    void hideEditor();
    QWidget *activeControl() const;

    void loadColumnWidths();
    void saveColumnWidths();
    void fitControl(qint32 col, qint32 width);
    void reposControl(qint32 col);
    void placeEditor();
    void ShowEditor();
    void CommitCell();
    bool cellAccepted(qint32 row, qint32 col);
    bool rowAccepted(qint32 row);

    void moveQuietly(qint32 row, qint32 col);
    bool mayLeaveRow();
    void nextRow();
    void previousRow();
    void deleteRow();
    void highlightRow();
    void paintRow(qint32 row, bool restore);
    void bringIntoView(qint32 row, qint32 col);
    qint32 nextEditableCol(qint32 from) const;
    qint32 previousEditableCol(qint32 from) const;

    QString m_name;
    bool m_activo = true;
    QPointer<toolkit::FlexGrid> m_grid;
    GEDFormCallbacks m_callbackForm;
    QPointer<QWidget> m_parentForm;
    std::map<qint16, QPointer<QWidget>> m_controles;
    QPointer<QWidget> m_editor;
    qint32 m_editRow = -1;
    qint32 m_editCol = -1;
    bool m_eventsOn = false;
    bool m_marcarLinea = false;
    qint32 m_markedRow = -1;
    bool m_highlighting = false;
    std::vector<QColor> m_savedBack;
    std::vector<QColor> m_savedFore;
    std::vector<qint32> m_storedWidths;
    qint64 m_focusTick = 0;
    std::function<qint64()> m_tick;
    std::vector<QMetaObject::Connection> m_gridConnections;
};

} // namespace vontarelis
