#pragma once

#include "marbelisto/app/Command.h"

namespace marbelisto {

// No verb: the main window over the data folder.
class GuiCommand : public Command
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
