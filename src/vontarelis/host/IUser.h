#pragma once

#include "vontarelis/host/IHostObject.h"

#include <QString>

namespace host {

// The host's "usuario": the signed-in user.
class IUser : public IHostObject
{
public:
    virtual QString codigo() const = 0;
};

} // namespace host
