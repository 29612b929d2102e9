#pragma once

#include "toolkit/Error.h"

namespace marbelisto {

// A command line the verb cannot run as written (a missing or extra argument, a number that is
// no number, an unknown key): the program says why and exits with 2, like a wrong option.
class UsageError : public toolkit::Error
{
public:
    explicit UsageError(const QString &description)
        : toolkit::Error(toolkit::ErrInvalidCall, description, QStringLiteral("marbelisto"))
    {
    }
};

} // namespace marbelisto
