#pragma once

#include <QComboBox>

namespace toolkit {

// A drop-down list of texts, each with a whole number as its item data. It may have no item
// selected (ListIndex -1): adding items never selects one.
class DropDownList : public QComboBox
{
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);

    void AddItem(const QString &text, qint32 itemData = 0);
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    // The text of an item; raises an error for an index outside the list.
    QString List(int index) const;
    qint32 ItemData(int index) const;
    int ListIndex() const { return currentIndex(); }
    // -1 clears the selection.
    void setListIndex(int index);
    // The selected item's text, empty when none is selected.
    QString Text() const { return currentIndex() < 0 ? QString() : currentText(); }
    // Selects the first item with this data, or none when no item has it; true when found.
    bool selectItemData(qint32 itemData);

private:
    void checkIndex(int index) const;
};

} // namespace toolkit
