#pragma once

#include <QString>

class QWidget;

namespace marbelisto {

class CommandContext;

// The first start on a data folder without a database: the window offers to create one,
// empty or with the demo books, instead of failing. The database is made by the init verb,
// so both roads give the same folder.
class NewDatabaseOffer
{
public:
    enum class Choice { Demo, Empty, Cancel };

    // Asks in a message box named "NewDatabaseOffer" whose buttons are named "cbDemo",
    // "cbVacia" and "cbSalir".
    static Choice ask(const QString &folder, QWidget *parent = nullptr);
    // Runs "init" (with --demo for Demo) on the context's data folder; raises when it fails.
    static void create(const CommandContext &context, Choice choice);
};

} // namespace marbelisto
