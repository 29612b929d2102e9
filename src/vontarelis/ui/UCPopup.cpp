#include "vontarelis/ui/UCPopup.h"

#include "toolkit/Error.h"
#include "toolkit/Twips.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/ui/HandlerGuard.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace vontarelis {

namespace {

const QString ErrorSource = QStringLiteral("UCPopup");

} // namespace

UCPopup::UCPopup(QWidget *parent) : QWidget(parent), m_mnuPopup(new QMenu(QStringLiteral("Popup"), this))
{
    m_mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    setFixedSize(toolkit::Twips::toPixelsX(WidthTwips), toolkit::Twips::toPixelsY(HeightTwips));
    createItem();
}

void UCPopup::createItem()
{
    const auto index = qint16(m_mnuPopupItem.size());
    auto *item = new QAction(m_mnuPopup);
    item->setObjectName(QStringLiteral("mnuPopupItem%1").arg(index));
    m_mnuPopup->addAction(item);
    connect(item, &QAction::triggered, this,
            [this, index] { Guarded(QStringLiteral("UCPopup::mnuPopupItem_Click"), [&] { mnuPopupItem_Click(index); }); });
    m_mnuPopupItem.push_back(item);
}

void UCPopup::destroyLastItem()
{
    if (m_mnuPopupItem.size() <= 1)
        throw toolkit::Error(ErrCannotUnloadFirstItem,
                             QStringLiteral("No se puede descargar el primer elemento del menú"), ErrorSource);
    delete m_mnuPopupItem.back();
    m_mnuPopupItem.pop_back();
}

qint16 UCPopup::Popup(const QVariantList &items)
{
    setItems(items);
    return showMenu(QCursor::pos());
}

void UCPopup::setItems(const QVariantList &items)
{
    const qint32 upperBound = qint32(items.size()) - 1;
    for (qint32 i = 0; i <= upperBound; ++i) {
        if (i > qint32(m_mnuPopupItem.size()) - 1)
            createItem();
        m_mnuPopupItem[std::size_t(i)]->setText(toolkit::toText(items.at(i)));
        m_mnuPopupItem[std::size_t(i)]->setEnabled(true);
    }
    while (qint32(m_mnuPopupItem.size()) - 1 > upperBound)
        destroyLastItem();
}

qint16 UCPopup::Popup(const QStringList &items)
{
    QVariantList values;
    values.reserve(items.size());
    for (const QString &item : items)
        values << item;
    return Popup(values);
}

qint16 UCPopup::PopupPA(const QVariantList &values)
{
    return Popup(values);
}

qint16 UCPopup::PopupPA(const QVariantList &values, const QPoint &globalPos)
{
    setItems(values);
    return showMenu(globalPos);
}

qint16 UCPopup::PopupPAED(const QVariantList &values)
{
    const qint16 upperBound = qint16(values.size() - 1);
    qint16 i = 0;
    for (; i <= upperBound; i = qint16(i + 2)) {
        const qint16 k = qint16(i / 2);
        if (k > qint16(m_mnuPopupItem.size()) - 1)
            createItem();
        m_mnuPopupItem[std::size_t(k)]->setText(toolkit::toText(values.at(i)));
        if (i + 1 > upperBound)
            throw toolkit::Error(toolkit::ErrSubscript, QStringLiteral("Subíndice fuera del intervalo"), ErrorSource);
        m_mnuPopupItem[std::size_t(k)]->setEnabled(toolkit::toBoolean(values.at(i + 1)));
    }
    while (qint16(m_mnuPopupItem.size()) > i / 2)
        destroyLastItem();
    return showMenu(QCursor::pos());
}

qint16 UCPopup::showMenu(const QPoint &globalPos)
{
    m_returnIndex = -1;
    m_returnCaption.clear();
    m_mnuPopup->exec(globalPos);
    return m_returnIndex;
}

void UCPopup::mnuPopupItem_Click(qint16 index)
{
    m_returnIndex = index;
    m_returnCaption = m_mnuPopupItem[std::size_t(index)]->text();
}

} // namespace vontarelis
