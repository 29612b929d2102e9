#include "marbelisto/app/GuiCommand.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/MainWindow.h"
#include "marbelisto/host/Framework.h"

#include "toolkit/Error.h"

#include <QApplication>
#include <QMessageBox>

namespace marbelisto {

QString GuiCommand::name() const
{
    return QString();
}

QString GuiCommand::description() const
{
    return QStringLiteral("Abre la ventana principal de Marbelisto sobre la carpeta de datos.");
}

QList<QCommandLineOption> GuiCommand::options() const
{
    return {};
}

bool GuiCommand::takesArguments() const
{
    return false;
}

bool GuiCommand::needsWindows() const
{
    return true;
}

int GuiCommand::run(const CommandContext &context)
{
    std::unique_ptr<Framework> framework;
    try {
        framework = context.openFramework();
    } catch (const toolkit::Error &error) {
        // Started from a desktop nobody reads the terminal, so the reason is shown as well.
        QMessageBox::critical(nullptr, QStringLiteral("Marbelisto"), error.description());
        throw;
    }
    MainWindow window(*framework);
    window.resize(520, 360);
    window.show();
    return QApplication::exec();
}

} // namespace marbelisto
