#pragma once

#include <QPoint>
#include <QStringList>
#include <QVariantList>
#include <QWidget>

#include <vector>

class QAction;
class QMenu;

namespace vontarelis {

// A context menu whose items are given at the moment of the call: the menu shows exactly the
// captions of the call at the mouse pointer (or at the point given, for a menu opened from the
// keyboard), and the call returns the zero-based index of the
// item chosen, or -1 when the menu was dismissed. The item array persists between calls: the
// items that exist are reused, missing ones created and surplus ones destroyed; item 0 exists
// from the start and is never destroyed, so every call needs at least one caption.
//
// Popup and PopupPA enable every item they show, also one that an earlier PopupPAED disabled:
// a list of plain captions means plain, choosable items. This is deliberate; only PopupPAED
// disables.
class UCPopup : public QWidget
{
    Q_OBJECT
public:
    // The control's own size, whatever its container gives it (twips).
    static constexpr int WidthTwips = 180;
    static constexpr int HeightTwips = 210;
    // Raised for a call without captions: item 0 cannot be destroyed.
    static constexpr qint32 ErrCannotUnloadFirstItem = 362;

    explicit UCPopup(QWidget *parent = nullptr);

    // Element 0 of items is the first caption.
    qint16 Popup(const QVariantList &items);
    qint16 Popup(const QStringList &items);
    // One caption per value.
    qint16 PopupPA(const QVariantList &values);
    // The same at a point of the screen; an "&" in a caption marks the item's mnemonic.
    qint16 PopupPA(const QVariantList &values, const QPoint &globalPos);
    // Pairs of caption and enabled flag; an odd count fails with a subscript error before the
    // menu is shown.
    qint16 PopupPAED(const QVariantList &values);

    // The last popup's choice; 0 and an empty caption before the first popup.
    qint16 ReturnIndex() const { return m_returnIndex; }
    QString ReturnCaption() const { return m_returnCaption; }

private:
    void createItem();
    void destroyLastItem();
    void setItems(const QVariantList &items);
    qint16 showMenu(const QPoint &globalPos);
    void mnuPopupItem_Click(qint16 index);

    QMenu *m_mnuPopup;
    std::vector<QAction *> m_mnuPopupItem;
    qint16 m_returnIndex = 0;
    QString m_returnCaption;
};

} // namespace vontarelis
