#include "marbelisto/app/NewDatabaseOffer.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/InitCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>

namespace marbelisto {

NewDatabaseOffer::Choice NewDatabaseOffer::ask(const QString &folder, QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Marbelisto"),
                    QStringLiteral("La carpeta de datos «%1» todavía no tiene base de datos.").arg(folder),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("NewDatabaseOffer"));
    box.setInformativeText(QStringLiteral("¿Desea crear una base de datos nueva? Con los datos de demostración "
                                          "(clientes, facturas, vehículos y algunas guías abiertas) puede "
                                          "probar el programa en seguida."));
    const auto button = [&box](const QString &name, const QString &text, QMessageBox::ButtonRole role) {
        QPushButton *created = box.addButton(text, role);
        created->setObjectName(name);
        return created;
    };
    QPushButton *demo = button(QStringLiteral("cbDemo"), QStringLiteral("Con datos de &demostración"),
                               QMessageBox::AcceptRole);
    QPushButton *empty = button(QStringLiteral("cbVacia"), QStringLiteral("&Vacía"), QMessageBox::AcceptRole);
    QPushButton *quit = button(QStringLiteral("cbSalir"), QStringLiteral("&Salir"), QMessageBox::RejectRole);
    box.setDefaultButton(demo);
    box.setEscapeButton(quit);
    box.exec();
    if (box.clickedButton() == demo)
        return Choice::Demo;
    if (box.clickedButton() == empty)
        return Choice::Empty;
    return Choice::Cancel;
}

void NewDatabaseOffer::create(const CommandContext &context, Choice choice)
{
    InitCommand init;
    QCommandLineParser parser;
    parser.addOptions(init.options());
    QStringList arguments{QStringLiteral("marbelisto"), init.name()};
    if (choice == Choice::Demo)
        arguments.append(QStringLiteral("--demo"));
    parser.parse(arguments);
    QString report;
    QTextStream out(&report);
    const CommandContext initContext(parser, context.dataPath(), context.userCode(), out, context.err());
    // The demo books take a moment; the user sees that something is under way.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        init.run(initContext);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}

} // namespace marbelisto
