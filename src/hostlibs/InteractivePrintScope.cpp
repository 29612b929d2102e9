#include "hostlibs/InteractivePrintScope.h"

namespace hostlibs {

namespace {

bool &flag()
{
    static bool mayAskUser = false;
    return mayAskUser;
}

bool &lastFlag()
{
    static bool lastMayAskUser = false;
    return lastMayAskUser;
}

} // namespace

InteractivePrintScope::InteractivePrintScope(bool mayAskUser) : m_previous(flag())
{
    flag() = mayAskUser;
    lastFlag() = mayAskUser;
}

InteractivePrintScope::~InteractivePrintScope()
{
    flag() = m_previous;
}

bool InteractivePrintScope::active()
{
    return flag();
}

} // namespace hostlibs

namespace hostlibs {

bool InteractivePrintScope::lastPrintInteractive()
{
    return lastFlag();
}

} // namespace hostlibs
