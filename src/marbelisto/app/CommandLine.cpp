#include "marbelisto/app/CommandLine.h"

#include "marbelisto/app/CommandContext.h"
#include "marbelisto/host/Usuario.h"

#include "toolkit/Error.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTextStream>

namespace marbelisto {

namespace {

QCommandLineOption dataOption()
{
    return QCommandLineOption(QStringLiteral("data"), QStringLiteral("Carpeta de datos: base de datos y formatos."),
                              QStringLiteral("DIR"));
}

QCommandLineOption userOption()
{
    return QCommandLineOption(QStringLiteral("user"),
                              QStringLiteral("Código del usuario (si falta: MARBELISTO_USER o el del sistema)."),
                              QStringLiteral("CODIGO"));
}

QCommandLineOption helpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda."));
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

} // namespace

CommandLine::CommandLine(std::vector<std::unique_ptr<Command>> commands) : m_commands(std::move(commands)) {}

int CommandLine::run(int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);

    // A first look only finds the verb: its own options are not known yet.
    QCommandLineParser probe;
    probe.addOptions({dataOption(), userOption(), helpOption()});
    probe.parse(arguments);
    const QStringList positional = probe.positionalArguments();
    const QString verb = positional.isEmpty() ? QString() : positional.first();
    Command *command = find(verb);
    if (!command) {
        err << QStringLiteral("Orden desconocida «%1». Órdenes: %2\n").arg(verb, verbList());
        return 2;
    }

    QCommandLineParser parser;
    parser.addOptions({dataOption(), userOption(), helpOption()});
    parser.addOptions(command->options());
    if (!parser.parse(arguments)) {
        err << parser.errorText() << u'\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << QStringLiteral("Uso: marbelisto %1 --data DIR [opciones]\n%2\n\nÓrdenes: %3\n\nOpciones:\n")
                   .arg(verb.isEmpty() ? QStringLiteral("[orden]") : verb, command->description(), verbList());
        const QList<QCommandLineOption> listed = QList<QCommandLineOption>{dataOption(), userOption()} + command->options();
        for (const QCommandLineOption &option : listed)
            out << optionLine(option);
        return 0;
    }
    if (!command->takesArguments() && parser.positionalArguments().size() > (verb.isEmpty() ? 0 : 1)) {
        err << QStringLiteral("Argumento de más: «%1»\n").arg(parser.positionalArguments().last());
        return 2;
    }
    if (parser.value(QStringLiteral("data")).isEmpty()) {
        err << QStringLiteral("Falta la carpeta de datos: indíquela con --data DIR\n");
        return 2;
    }

    // Parsing needs no application object; a window system is only asked for when a verb shows windows.
    const std::unique_ptr<QCoreApplication> application =
        command->needsWindows() ? std::make_unique<QApplication>(argc, argv)
                                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Marbelisto"));
    // A machine without regional settings gets the Spanish of the books, not the C locale.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
    const CommandContext context(parser, parser.value(QStringLiteral("data")),
                                 Usuario::signedIn(parser.value(QStringLiteral("user"))), out);
    try {
        return command->run(context);
    } catch (const toolkit::Error &error) {
        out.flush();
        err << QStringLiteral("Error: %1\n").arg(error.description());
        return 1;
    }
}

Command *CommandLine::find(const QString &name) const
{
    for (const auto &command : m_commands) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

QString CommandLine::verbList() const
{
    QStringList names;
    for (const auto &command : m_commands)
        names.append(command->name().isEmpty() ? QStringLiteral("(ninguna: ventana principal)") : command->name());
    return names.join(QStringLiteral(", "));
}

} // namespace marbelisto
