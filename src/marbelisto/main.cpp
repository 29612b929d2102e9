#include "marbelisto/app/CommandLine.h"
#include "marbelisto/app/ConfigCommand.h"
#include "marbelisto/app/GuiCommand.h"
#include "marbelisto/app/GuideLinesCommand.h"
#include "marbelisto/app/GuideVarsCommand.h"
#include "marbelisto/app/InitCommand.h"
#include "marbelisto/app/PrintGuideCommand.h"

// Every verb of the command line, in the order the help lists them.
int main(int argc, char *argv[])
{
    std::vector<std::unique_ptr<marbelisto::Command>> commands;
    commands.push_back(std::make_unique<marbelisto::GuiCommand>());
    commands.push_back(std::make_unique<marbelisto::InitCommand>());
    commands.push_back(std::make_unique<marbelisto::ConfigCommand>());
    commands.push_back(std::make_unique<marbelisto::GuideVarsCommand>());
    commands.push_back(std::make_unique<marbelisto::GuideLinesCommand>());
    commands.push_back(std::make_unique<marbelisto::PrintGuideCommand>());
    return marbelisto::CommandLine(std::move(commands)).run(argc, argv);
}
