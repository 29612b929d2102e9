#include "toolkit/KeyAscii.h"

#include <QKeyEvent>

namespace toolkit {

qint16 KeyAscii::fromEvent(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const char16_t code = text.at(0).unicode();
    return code <= 0x7FFF ? qint16(code) : qint16(0);
}

} // namespace toolkit
