#pragma once

#include <QCheckBox>

namespace toolkit {

// A check box read and set as a number: 0 unticked, 1 ticked.
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(const QString &caption = QString(), QWidget *parent = nullptr) : QCheckBox(caption, parent) {}

    qint16 Value() const { return isChecked() ? 1 : 0; }
    void setValue(qint16 value) { setChecked(value != 0); }
};

} // namespace toolkit
