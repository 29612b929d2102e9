#include "toolkit/DateBox.h"

namespace toolkit {

DateBox::DateBox(QWidget *parent) : QDateEdit(QDate::currentDate(), parent)
{
    setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    setCalendarPopup(true);
}

} // namespace toolkit
