#pragma once

#include "marbelisto/app/Command.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace marbelisto {

// "marbelisto [verb] --data DIR [--user CODE] [options of the verb]": picks the verb,
// makes the application object it needs, parses its options and runs it.
class CommandLine
{
public:
    explicit CommandLine(std::vector<std::unique_ptr<Command>> commands);

    // The process's exit code: the verb's, 1 when it failed, 2 for a wrong command line.
    int run(int &argc, char **argv);

private:
    Command *find(const QString &name) const;
    QString verbList() const;

    std::vector<std::unique_ptr<Command>> m_commands;
};

} // namespace marbelisto
