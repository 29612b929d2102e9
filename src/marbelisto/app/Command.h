#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

namespace marbelisto {

class CommandContext;

// One verb of the command line ("init", ...). A verb raises toolkit::Error to fail; the
// command line prints the description and exits with a non-zero code.
class Command
{
public:
    virtual ~Command() = default;

    // The verb; the command without a name runs when no verb is given.
    virtual QString name() const = 0;
    // One line for the help text.
    virtual QString description() const = 0;
    // Options of this verb beside the common --data and --user.
    virtual QList<QCommandLineOption> options() const = 0;
    // Whether words after the verb are the verb's own ("guide-vars 42 NUMERO").
    virtual bool takesArguments() const = 0;
    // A verb that shows windows gets a QApplication, the others a QCoreApplication.
    virtual bool needsWindows() const = 0;
    // The process's exit code.
    virtual int run(const CommandContext &context) = 0;
};

} // namespace marbelisto
