#include "hostlibs/HostLibraries.h"

#include "hostlibs/StandardCommonUtilities.h"
#include "hostlibs/StandardGridUtilities.h"
#include "hostlibs/TextBuilder.h"

namespace hostlibs {

namespace {

std::unique_ptr<host::ICommonUtilities> &commonUtilitiesSlot()
{
    static std::unique_ptr<host::ICommonUtilities> slot;
    return slot;
}

std::unique_ptr<host::IGridUtilities> &gridUtilitiesSlot()
{
    static std::unique_ptr<host::IGridUtilities> slot;
    return slot;
}

} // namespace

host::ICommonUtilities &CommonUtilities()
{
    auto &slot = commonUtilitiesSlot();
    if (!slot)
        slot = std::make_unique<hostlibs::StandardCommonUtilities>();
    return *slot;
}

void InstallCommonUtilities(std::unique_ptr<host::ICommonUtilities> utilities)
{
    commonUtilitiesSlot() = std::move(utilities);
}

host::IGridUtilities &GridUtilities()
{
    auto &slot = gridUtilitiesSlot();
    if (!slot)
        slot = std::make_unique<StandardGridUtilities>();
    return *slot;
}

void InstallGridUtilities(std::unique_ptr<host::IGridUtilities> utilities)
{
    gridUtilitiesSlot() = std::move(utilities);
}

std::unique_ptr<host::ITextBuilder> NewTextBuilder()
{
    return std::make_unique<TextBuilder>();
}

} // namespace hostlibs
