#include "marbelisto/app/GuiCommand.h"

#include "marbelisto/app/ActivatorLoader.h"
#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/MainWindow.h"
#include "marbelisto/app/MenuProbe.h"
#include "marbelisto/app/NewDatabaseOffer.h"
#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"

#include "toolkit/Error.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

namespace marbelisto {

QString GuiCommand::name() const
{
    return QString();
}

QString GuiCommand::description() const
{
    return QStringLiteral("Sin orden, abre la ventana principal sobre la carpeta de datos y, si la carpeta no "
                          "tiene base de datos, ofrece crearla.");
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
    QGuiApplication::setDesktopFileName(QStringLiteral("marbelisto"));
    // The installed theme icon first; the copy built into the program otherwise.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("marbelisto"), QIcon(QStringLiteral(":/marbelisto.svg"))));

    std::unique_ptr<Framework> framework;
    try {
        if (!context.databaseSource().mayExist()) {
            // A probe has nobody to answer the offer.
            if (MenuProbe::requested())
                throw toolkit::Error(toolkit::ErrDatabase,
                                     QStringLiteral("La carpeta «%1» no tiene base de datos; la prueba del menú no "
                                                    "ofrece crearla: use «marbelisto init --data %1»")
                                         .arg(QDir(context.dataPath()).absolutePath()),
                                     QStringLiteral("marbelisto"));
            const NewDatabaseOffer::Choice choice = NewDatabaseOffer::ask(QDir(context.dataPath()).absolutePath());
            if (choice == NewDatabaseOffer::Choice::Cancel)
                return 0;
            NewDatabaseOffer::create(context, choice);
        }
        framework = context.openFramework();
    } catch (const toolkit::Error &error) {
        // Started from a desktop nobody reads the terminal, so the reason is shown as well
        // (but not to a probe, which has nobody to close the box).
        if (!MenuProbe::requested())
            QMessageBox::critical(nullptr, QStringLiteral("Marbelisto"), error.description());
        throw;
    }
    int exitCode = 0;
    {
        MainWindow window(*framework, &ActivatorLoader::load);
        if (const QString warning = context.accessWarning(); !warning.isEmpty())
            window.warn(warning);
        window.resize(1180, 700);
        window.show();
        exitCode = MenuProbe::requested() ? MenuProbe(window, context.out()).run() : QApplication::exec();
    }
    // The component's dialogs go while the window system and the session are still there.
    ActivatorLoader::release();
    return exitCode;
}

} // namespace marbelisto
