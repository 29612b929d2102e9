#include "toolkit/DropDownList.h"

#include "toolkit/Error.h"

namespace toolkit {

DropDownList::DropDownList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setCurrentIndex(-1);
}

void DropDownList::AddItem(const QString &text, qint32 itemData)
{
    const int selected = currentIndex();
    addItem(text, itemData);
    // A combo box selects its first item by itself; the list keeps what was selected.
    if (currentIndex() != selected)
        setCurrentIndex(selected);
}

void DropDownList::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw Error(ErrInvalidCall, QStringLiteral("Índice de lista no válido"), QStringLiteral("DropDownList"));
}

QString DropDownList::List(int index) const
{
    checkIndex(index);
    return itemText(index);
}

qint32 DropDownList::ItemData(int index) const
{
    checkIndex(index);
    return itemData(index).toInt();
}

void DropDownList::setListIndex(int index)
{
    if (index != -1)
        checkIndex(index);
    setCurrentIndex(index);
}

bool DropDownList::selectItemData(qint32 itemData)
{
    const int index = findData(itemData);
    setCurrentIndex(index);
    return index >= 0;
}

} // namespace toolkit
