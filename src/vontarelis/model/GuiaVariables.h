#pragma once

#include "vontarelis/host/IGuiaDespacho.h"

#include <QString>
#include <QVariant>

namespace vontarelis {

// The print variables that a guide answers from its own fields and names.
class GuiaVariables
{
public:
    // name is already upper-cased; false leaves both outputs untouched.
    static bool Eval(host::IGuiaDespacho &guia, const QString &name, QVariant &vRetBuffer, QVariant &sRetString);
};

} // namespace vontarelis
