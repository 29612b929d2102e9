#pragma once

#include <QString>

namespace marbelisto {

// Whether a window can be shown, asked before Qt loads its platform plug-in, which aborts the
// program when the display it wants is not there.
class DisplayCheck
{
public:
    // Empty when the platform Qt will load has a display to talk to (or needs none, such as
    // offscreen); otherwise why not, in Spanish.
    static QString problem();
};

} // namespace marbelisto
