#pragma once

#include <QtGlobal>

class QKeyEvent;

namespace toolkit {

// The key code and shift mask that a key-down handler sees: 13 Enter, 8 Backspace, 9 Tab,
// 27 Escape, 32 Space, 33 to 40 the page, end, home and arrow keys (37 left, 38 up, 39 right,
// 40 down), 45 Insert, 46 Delete, 48 to 57 and 65 to 90 digits and letters, 112 on F1 and
// onwards; 0 for a key without a code. Shift mask: 1 Shift, 2 Ctrl, 4 Alt.
class KeyCode
{
public:
    static qint16 fromEvent(const QKeyEvent &event);
    static qint16 shiftOf(const QKeyEvent &event);
};

} // namespace toolkit
