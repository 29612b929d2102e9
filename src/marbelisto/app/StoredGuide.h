#pragma once

#include "marbelisto/host/Framework.h"
#include "vontarelis/host/IGuiaDespacho.h"

#include <QString>

#include <memory>

namespace marbelisto {

class CommandContext;

// A stored guide as the guide verbs read it: a session on the data folder, and the guide of
// the given number obtained through the component's plug-in.
class StoredGuide
{
public:
    // Raises a toolkit::Error when the number is no guide number or no guide has it.
    StoredGuide(const CommandContext &context, const QString &number);

    host::IGuiaDespacho &guide() const { return *m_guide; }

private:
    std::unique_ptr<Framework> m_framework;
    // Declared after the session, so it goes first: it works against the session while it lives.
    std::unique_ptr<host::IGuiaDespacho> m_guide;
};

} // namespace marbelisto
