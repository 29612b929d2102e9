#pragma once

#include "marbelisto/app/Command.h"

namespace marbelisto {

// "guide-vars N NAME...": what guide N answers for each print variable, one line per name:
// the name, a tab and the text, or "sin valor" when the guide does not know the name.
class GuideVarsCommand : public Command
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
