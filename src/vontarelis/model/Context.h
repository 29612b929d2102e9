#pragma once

#include "vontarelis/host/ICompany.h"

namespace vontarelis {

// The shared context as the model reads it, with a clear error when no entry point set it.
class Context
{
public:
    static host::ICompany &company();
};

} // namespace vontarelis
