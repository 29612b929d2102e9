#pragma once

#include "vontarelis/host/IDocument.h"
#include "vontarelis/host/IFramework.h"

#include <QString>
#include <QVariant>

namespace vontarelis {

// The host's scripting extension as guides and lines ask it for a print variable.
class HostScript
{
public:
    // True when the host's script answered; only then are the two outputs written.
    static bool ExtendEval(host::IFramework &framework, host::IDocument &document, const QString &scriptFile,
                           const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString);
};

} // namespace vontarelis
