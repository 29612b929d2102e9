#pragma once

#include <QtGlobal>

class QKeyEvent;

namespace toolkit {

// The character code that a key press handler sees: the typed character, 13 for Enter,
// 8 for Backspace, 27 for Escape, 9 for Tab, and 0 for a key that types nothing (arrows,
// function keys, modifiers alone).
class KeyAscii
{
public:
    static qint16 fromEvent(const QKeyEvent &event);
};

} // namespace toolkit
