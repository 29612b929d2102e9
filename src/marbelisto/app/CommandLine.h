#pragma once

#include "marbelisto/app/Command.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace marbelisto {

// "marbelisto [--data DIR] [--user CODE] [verb] [options of the verb]": picks the verb,
// makes the application object it needs, parses its options and runs it. --help and
// --version answer on standard output and exit with 0, as on any Linux tool.
class CommandLine
{
public:
    explicit CommandLine(std::vector<std::unique_ptr<Command>> commands);

    // The process's exit code: the verb's, 1 when it failed, 2 for a wrong command line.
    int run(int &argc, char **argv);

    // The data folder when --data is not given: "marbelisto" in the user's XDG data folder
    // ($XDG_DATA_HOME, by default ~/.local/share).
    static QString defaultDataPath();

private:
    Command *find(const QString &name) const;
    QString help(const Command &command) const;

    std::vector<std::unique_ptr<Command>> m_commands;
};

} // namespace marbelisto
