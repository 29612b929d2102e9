#include "toolkit/DateBox.h"

namespace toolkit {

DateBox::DateBox(QWidget *parent) : QDateEdit(QDate::currentDate(), parent)
{
    setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    setCalendarPopup(true);
}

bool DateBox::focusNextPrevChild(bool next)
{
    // Skips QDateTimeEdit's walk through the sections.
    return QAbstractSpinBox::focusNextPrevChild(next);
}

} // namespace toolkit
