#include "marbelisto/app/GuiCommand.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/MainWindow.h"
#include "marbelisto/host/Framework.h"

#include <QApplication>

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

bool GuiCommand::needsWindows() const
{
    return true;
}

int GuiCommand::run(const CommandContext &context)
{
    const auto framework = context.openFramework();
    MainWindow window(*framework);
    window.resize(520, 360);
    window.show();
    return QApplication::exec();
}

} // namespace marbelisto
