#pragma once

#include "toolkit/Error.h"

#include <functional>

namespace testerrors {

// The toolkit error that `call` raises; when it raises none, an error numbered 0 that says so.
inline toolkit::Error raised(const std::function<void()> &call)
{
    try {
        call();
    } catch (const toolkit::Error &error) {
        return error;
    }
    return toolkit::Error(0, QStringLiteral("(sin error)"));
}

} // namespace testerrors
