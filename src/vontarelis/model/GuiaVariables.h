#pragma once

#include <QString>
#include <QVariant>

namespace vontarelis {

class GuiaDespacho;

// The print variables that a guide answers from its own fields and names. The count, weight
// and value are the guide's figures: after a review, those of the invoices that travelled.
class GuiaVariables
{
public:
    // name is already upper-cased; false leaves both outputs untouched.
    static bool Eval(GuiaDespacho &guia, const QString &name, QVariant &vRetBuffer, QVariant &sRetString);
};

} // namespace vontarelis
