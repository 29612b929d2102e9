#pragma once

#include <QDateEdit>

namespace toolkit {

// An entry box for a date, shown "dd-mm-yyyy", with a calendar to pick it from. Tab and
// Shift+Tab leave it in one press; the day, month and year are reached with the arrow keys.
class DateBox : public QDateEdit
{
    Q_OBJECT
public:
    explicit DateBox(QWidget *parent = nullptr);

    QDate value() const { return date(); }
    void setValue(const QDate &value) { setDate(value); }

protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace toolkit
