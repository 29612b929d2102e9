#include "hostlibs/HostLibraries.h"

#include "hostlibs/DocumentPrinter.h"
#include "hostlibs/StandardCommonUtilities.h"
#include "hostlibs/StandardGridUtilities.h"
#include "hostlibs/StandardPrintHost.h"
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

std::unique_ptr<IPrintHost> &printHostSlot()
{
    static std::unique_ptr<IPrintHost> slot;
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

std::unique_ptr<host::ICommonUtilities> InstallCommonUtilities(std::unique_ptr<host::ICommonUtilities> utilities)
{
    std::unique_ptr<host::ICommonUtilities> previous = std::move(commonUtilitiesSlot());
    commonUtilitiesSlot() = std::move(utilities);
    return previous;
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

std::unique_ptr<host::IDocumentPrinter> NewDocumentPrinter()
{
    return std::make_unique<DocumentPrinter>(PrintHost());
}

IPrintHost &PrintHost()
{
    auto &slot = printHostSlot();
    if (!slot)
        slot = std::make_unique<StandardPrintHost>();
    return *slot;
}

std::unique_ptr<IPrintHost> InstallPrintHost(std::unique_ptr<IPrintHost> printHost)
{
    std::unique_ptr<IPrintHost> previous = std::move(printHostSlot());
    printHostSlot() = std::move(printHost);
    return previous;
}

} // namespace hostlibs
