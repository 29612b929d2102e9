#pragma once

#include "hostlibs/IPrintHost.h"
#include "vontarelis/host/ICommonUtilities.h"
#include "vontarelis/host/IDocumentPrinter.h"
#include "vontarelis/host/IGridUtilities.h"
#include "vontarelis/host/ITextBuilder.h"

#include <memory>

// The global objects of the host maker's libraries: each is created on first use and kept for
// the life of the process. A host or a test may install its own object in place of the library's.
namespace hostlibs {

host::ICommonUtilities &CommonUtilities();
std::unique_ptr<host::ITextBuilder> NewTextBuilder();

// Returns the object it replaces (null when none was made yet).
std::unique_ptr<host::ICommonUtilities> InstallCommonUtilities(std::unique_ptr<host::ICommonUtilities> utilities);

host::IGridUtilities &GridUtilities();
void InstallGridUtilities(std::unique_ptr<host::IGridUtilities> utilities);

// A new print library object, for one print.
std::unique_ptr<host::IDocumentPrinter> NewDocumentPrinter();
// The host's printer setting and print log; returns the arrangement it replaces, so that a
// verb can print elsewhere for a while and put things back.
IPrintHost &PrintHost();
std::unique_ptr<IPrintHost> InstallPrintHost(std::unique_ptr<IPrintHost> printHost);

} // namespace hostlibs
