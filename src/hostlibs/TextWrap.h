#pragma once

#include <QString>
#include <QStringList>

namespace hostlibs {

// Breaks a text into lines of at most width characters, between words where it can: a word
// longer than a whole line is split, never dropped. Blanks at a break are left out. A text
// that needs more than MostLines lines (nothing real does: a hostile or broken value) ends its
// last line in "…", so that one value cannot push a page's head off the page and a cut never
// reads as whole.
class TextWrap
{
public:
    static constexpr int MostLines = 4;

    // At least one line, empty for an empty text.
    static QStringList lines(const QString &text, int width);
};

} // namespace hostlibs
