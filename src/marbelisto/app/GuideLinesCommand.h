#pragma once

#include "marbelisto/app/Command.h"

namespace marbelisto {

// "guide-lines N": the item lines of guide N, one per line: code, description, units and
// total weight separated by tabs, numbers with a point and no grouping.
class GuideLinesCommand : public Command
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
