#pragma once

#include <QString>

namespace vontarelis {

// Reads one value from an .ini file the way the classic private-profile reader does: sections
// and keys compared without regard to case, backslashes in section names taken literally, the
// first matching key wins, blanks around names and values and one pair of surrounding quotes
// dropped, no inline comments. A missing file or key gives the default.
class IniFile
{
public:
    static QString readString(const QString &path, const QString &section, const QString &key,
                              const QString &defaultValue);
};

} // namespace vontarelis
