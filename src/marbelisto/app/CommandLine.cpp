#include "marbelisto/app/CommandLine.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/DisplayCheck.h"
#include "marbelisto/app/QtTranslation.h"
#include "marbelisto/app/UsageError.h"
#include "marbelisto/host/Usuario.h"

#include "toolkit/Error.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>

namespace marbelisto {

namespace {

QCommandLineOption dataOption()
{
    return QCommandLineOption(QStringLiteral("data"),
                              QStringLiteral("Carpeta de datos: base de datos y formatos (si falta: %1).")
                                  .arg(CommandLine::defaultDataPath()),
                              QStringLiteral("DIR"));
}

QCommandLineOption databaseOption()
{
    return QCommandLineOption(QStringLiteral("db"),
                              QStringLiteral("Base de datos PostgreSQL compartida, postgresql://usuario@servidor:puerto/base "
                                             "(si falta: MARBELISTO_DB o la de la carpeta de datos). La contraseña va "
                                             "en PGPASSFILE, ~/.pgpass o PGPASSWORD."),
                              QStringLiteral("URL"));
}

QCommandLineOption userOption()
{
    return QCommandLineOption(QStringLiteral("user"),
                              QStringLiteral("Código del usuario (si falta: MARBELISTO_USER o el nombre de la "
                                             "cuenta del sistema)."),
                              QStringLiteral("CODIGO"));
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda."));
}

QCommandLineOption versionOption()
{
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              QStringLiteral("Muestra la versión del programa."));
}

QList<QCommandLineOption> commonOptions()
{
    return {dataOption(), databaseOption(), userOption(), helpOption(), versionOption()};
}

QString optionLine(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString head = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        head += u' ' + option.valueName();
    return QStringLiteral("  %1  %2\n").arg(head, -22).arg(option.description());
}

QString optionName(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("«-") : QStringLiteral("«--")) + name + u'»';
}

// The parser's own words are English and are asked for before any translation is loaded.
QString parserError(const QCommandLineParser &parser)
{
    QStringList unknown;
    for (const QString &name : parser.unknownOptionNames())
        unknown.append(optionName(name));
    if (unknown.size() == 1)
        return QStringLiteral("opción desconocida %1").arg(unknown.first());
    if (!unknown.isEmpty())
        return QStringLiteral("opciones desconocidas: %1").arg(unknown.join(QStringLiteral(", ")));
    const QString text = parser.errorText();
    if (const auto missing = QRegularExpression(QStringLiteral("^Missing value after '(.*)'")).match(text); missing.hasMatch())
        return QStringLiteral("falta el valor de la opción «%1»").arg(missing.captured(1));
    if (const auto unexpected = QRegularExpression(QStringLiteral("^Unexpected value after '(.*)'")).match(text);
        unexpected.hasMatch())
        return QStringLiteral("la opción «%1» no lleva valor").arg(unexpected.captured(1));
    return QStringLiteral("línea de órdenes incorrecta (%1)").arg(text);
}

} // namespace

CommandLine::CommandLine(std::vector<std::unique_ptr<Command>> commands) : m_commands(std::move(commands)) {}

QString CommandLine::defaultDataPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("marbelisto"));
}

int CommandLine::run(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto wrongLine = [&err](const QString &message) {
        err << QStringLiteral("marbelisto: %1\nPruebe «marbelisto --help» para más información.\n").arg(message);
        return 2;
    };

    // A first look only finds the verb: its own options are not known yet.
    QCommandLineParser probe;
    probe.addOptions(commonOptions());
    probe.parse(arguments);
    if (probe.isSet(QStringLiteral("version"))) {
        out << QStringLiteral("marbelisto %1\n").arg(QStringLiteral(MARBELISTO_VERSION));
        return 0;
    }
    const QStringList positional = probe.positionalArguments();
    const QString verb = positional.isEmpty() ? QString() : positional.first();
    Command *command = find(verb);
    if (!command)
        return wrongLine(QStringLiteral("orden desconocida «%1»").arg(verb));

    QCommandLineParser parser;
    parser.addOptions(commonOptions());
    parser.addOptions(command->options());
    if (!parser.parse(arguments))
        return wrongLine(parserError(parser));
    if (parser.isSet(QStringLiteral("help"))) {
        out << help(*command);
        return 0;
    }
    if (!command->takesArguments() && parser.positionalArguments().size() > (verb.isEmpty() ? 0 : 1))
        return wrongLine(QStringLiteral("argumento de más: «%1»").arg(parser.positionalArguments().last()));
    const QString dataPath =
        parser.isSet(QStringLiteral("data")) ? parser.value(QStringLiteral("data")) : defaultDataPath();
    if (dataPath.isEmpty())
        return wrongLine(QStringLiteral("la carpeta de datos de --data está vacía"));

    // Qt ends the program with SIGABRT when its platform finds no display: look first.
    const bool windows = command->needsWindows();
    if (windows) {
        if (const QString problem = DisplayCheck::problem(); !problem.isEmpty()) {
            err << QStringLiteral("marbelisto: la ventana necesita una pantalla gráfica y no hay ninguna (%1).\n"
                                  "Ábrala desde una sesión gráfica o, en un equipo sin pantalla, con una pantalla "
                                  "virtual: xvfb-run marbelisto [--data DIR]\n"
                                  "Las órdenes init, config, guide-vars, guide-lines y print-guide funcionan sin "
                                  "pantalla.\n")
                       .arg(problem);
            return 1;
        }
    }
    // Parsing needs no application object; a window system is only asked for when a verb shows windows.
    const std::unique_ptr<QCoreApplication> application =
        windows ? std::make_unique<QApplication>(argc, argv)
                                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Marbelisto"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARBELISTO_VERSION));
    // A machine without regional settings gets the Spanish of the books, not the C locale.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
    QtTranslation::install(*application, QLocale());
    try {
        const CommandContext context(parser, dataPath, Usuario::signedIn(parser.value(QStringLiteral("user"))), out,
                                     err);
        return command->run(context);
    } catch (const UsageError &error) {
        out.flush();
        return wrongLine(error.description());
    } catch (const toolkit::Error &error) {
        out.flush();
        err << QStringLiteral("Error: %1\n").arg(error.description());
        return 1;
    }
}

QString CommandLine::help(const Command &command) const
{
    QString text;
    QList<QCommandLineOption> listed = commonOptions();
    if (command.name().isEmpty()) {
        text = QStringLiteral("Uso: marbelisto [--data DIR] [--user CODIGO]\n"
                              "     marbelisto [--data DIR] [--user CODIGO] ORDEN [opciones] [argumentos]\n\n%1\n\n"
                              "Órdenes:\n")
                   .arg(command.description());
        for (const auto &verb : m_commands) {
            if (!verb->name().isEmpty())
                text += QStringLiteral("  %1  %2\n").arg(verb->name(), -22).arg(verb->description());
        }
        text += QStringLiteral("\n«marbelisto ORDEN --help» muestra las opciones de cada orden.\n");
    } else {
        text = QStringLiteral("Uso: marbelisto [--data DIR] [--user CODIGO] %1 [opciones]\n\n%2\n")
                   .arg(command.name(), command.description());
        listed += command.options();
    }
    text += QStringLiteral("\nOpciones:\n");
    for (const QCommandLineOption &option : listed)
        text += optionLine(option);
    return text;
}

Command *CommandLine::find(const QString &name) const
{
    for (const auto &command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

} // namespace marbelisto
