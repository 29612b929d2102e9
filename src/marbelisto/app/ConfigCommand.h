#pragma once

#include "marbelisto/app/Command.h"

namespace marbelisto {

// "config [KEY [VALUE]]": the host's settings (table Configuracion) without SQL. Without a key
// it lists every known key with its value; with a key it writes its value; with a value it
// stores it, an empty value removing the setting. A key the host does not read is refused.
class ConfigCommand : public Command
{
public:
    QString name() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    bool takesArguments() const override;
    bool needsWindows() const override;
    int run(const CommandContext &context) override;
};

} // namespace marbelisto
