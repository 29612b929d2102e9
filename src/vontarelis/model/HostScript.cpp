#include "vontarelis/model/HostScript.h"

namespace vontarelis {

bool HostScript::ExtendEval(host::IFramework &framework, host::IDocument &document, const QString &scriptFile,
                            const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    QVariant value;
    QVariant text;
    if (!framework.ExtendEval(document, scriptFile, sVarId, value, text))
        return false;
    vRetBuffer = value;
    sRetString = text;
    return true;
}

} // namespace vontarelis
