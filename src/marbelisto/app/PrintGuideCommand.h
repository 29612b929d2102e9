#pragma once

#include "marbelisto/app/Command.h"

namespace marbelisto {

// "print-guide N [--pdf FILE] [--listado]": prints stored guide N as the component prints it
// when the host asks for a print without a preview (ViewPrint with AutoPrint true). The
// question for the detailed invoice listing is answered yes only with --listado. With --pdf the
// guide becomes that file and the listing the same name with "-listado" before the extension;
// without it both go where the printer setting of the data folder says.
class PrintGuideCommand : public Command
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
