#include "hostlibs/InteractivePrintScope.h"

namespace hostlibs {

namespace {

bool &flag()
{
    static bool mayAskUser = false;
    return mayAskUser;
}

} // namespace

InteractivePrintScope::InteractivePrintScope(bool mayAskUser) : m_previous(flag())
{
    flag() = mayAskUser;
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
