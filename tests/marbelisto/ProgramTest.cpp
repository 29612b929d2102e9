// The real marbelisto program, started as a user or a script starts it: the command line, the
// window on a demo folder with the component loaded from its plug-in on disk, and a program
// that finds no plug-in.
#include "marbelisto/host/Framework.h"

#include "toolkit/VariantConvert.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <unistd.h>

// What the program wrote, readable in a failure message.
static std::ostream &operator<<(std::ostream &stream, const QString &text)
{
    return stream << text.toStdString();
}

namespace {

struct ProgramRun
{
    int exitCode;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                      const QString &program = MARBELISTO_PROGRAM)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "marbelisto " << arguments.join(u' ') << " did not finish";
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QProcessEnvironment environmentWith(const QString &name, const QString &value)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(name, value);
    return environment;
}

// The lines the probe wrote for one entry of the menu: what opened, in order.
QStringList opened(const QString &probe, const QString &entry)
{
    QStringList found;
    for (const QString &line : probe.split(u'\n')) {
        if (line.startsWith("  " + entry + " -> "))
            found.append(line.mid(entry.size() + 6));
    }
    return found;
}

const QString Pending = QStringLiteral("todavía no está disponible");

} // namespace

TEST(Program, AnswersHelpVersionAndAWrongLineAsAnyLinuxToolAndDefaultsToTheUsersDataFolder)
{
    const ProgramRun help = runProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Uso: marbelisto [--data DIR] [--user CODIGO]\n")) << help.out;
    for (const char *verb : {"init", "guide-vars", "guide-lines", "--data DIR", "--user CODIGO", "--version"})
        EXPECT_TRUE(help.out.contains(verb)) << verb;
    EXPECT_TRUE(help.err.isEmpty());
    const ProgramRun initHelp = runProgram({"init", "--help"});
    EXPECT_EQ(initHelp.exitCode, 0);
    EXPECT_TRUE(initHelp.out.contains("--invoices N"));

    for (const char *option : {"--version", "-v"}) {
        const ProgramRun version = runProgram({option});
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_TRUE(QRegularExpression(R"(^marbelisto \d+\.\d+(\.\d+)?\n$)").match(version.out).hasMatch()) << version.out;
    }
    // Every wrong line, the parser's and the verbs' own, is said in Spanish and ends with 2.
    QTemporaryDir empty;
    const std::pair<QStringList, QString> wrongLines[] = {
        {{"--bogus"}, "opción desconocida «--bogus»"},
        {{"init", "--demo", "-x", "--nada"}, "opciones desconocidas: «-x», «--nada»"},
        {{"--data"}, "falta el valor de la opción «--data»"},
        {{"init", "--demo=3"}, "la opción «--demo» no lleva valor"},
        {{"bogus"}, "orden desconocida «bogus»"},
        {{"init", "extra"}, "argumento de más: «extra»"},
        {{"--data", empty.path(), "init", "--invoices", "5"}, "La opción --invoices solo vale junto con --demo"},
        {{"--data", empty.path(), "init", "--demo", "--invoices", "cinco"}, "El número de facturas debe ser un entero positivo: «cinco»"},
        {{"--data", empty.path(), "print-guide"}, "Uso: marbelisto --data DIR print-guide N"},
        {{"--data", empty.path(), "guide-vars", "uno", "NUMERO"}, "«uno» no es un número de guía de despacho"},
        {{"--data", empty.path(), "guide-lines", "1", "2"}, "Uso: marbelisto --data DIR guide-lines N"},
        {{"--data", empty.path(), "config", "Impresora", "a", "b"}, "Uso: marbelisto [--data DIR | --db URL] config [CLAVE [VALOR]]"},
    };
    for (const auto &[wrong, message] : wrongLines) {
        const ProgramRun run = runProgram(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(u' ') << ": " << run.err;
        EXPECT_TRUE(run.out.isEmpty()) << run.out;
        EXPECT_TRUE(run.err.contains("marbelisto: " + message) &&
                    run.err.endsWith("Pruebe «marbelisto --help» para más información.\n"))
            << wrong.join(u' ') << ": " << run.err;
    }
    EXPECT_TRUE(QDir(empty.path()).isEmpty());

    // Without --data, the folder "marbelisto" in the user's XDG data folder.
    QTemporaryDir home;
    const QProcessEnvironment environment = environmentWith("XDG_DATA_HOME", home.path());
    const ProgramRun init = runProgram({"init", "--demo", "--invoices", "120"}, environment);
    EXPECT_EQ(init.exitCode, 0) << init.err;
    const QDir folder(home.filePath("marbelisto"));
    EXPECT_TRUE(QFile::exists(folder.filePath("marbelisto.db")));
    EXPECT_TRUE(QFile::exists(folder.filePath("FormatoDespacho.txt")));
    const ProgramRun vars = runProgram({"guide-vars", "1", "FACTURAS"}, environment);
    EXPECT_EQ(vars.exitCode, 0) << vars.err;
    EXPECT_TRUE(vars.out.startsWith("FACTURAS\t")) << vars.out;
    EXPECT_FALSE(vars.out.contains("sin valor")) << vars.out;
}

TEST(Program, TheWindowOnADemoFolderOpensEveryDialogOfTheMenuAndListsTheDemosGuides)
{
    QTemporaryDir data;
    const ProgramRun init = runProgram({"init", "--data", data.path(), "--demo", "--invoices", "120"});
    ASSERT_EQ(init.exitCode, 0) << init.err;
    // A book its group may read is named once on the command line and in the status bar, with the remedy.
    const QString book = data.filePath("marbelisto.db");
    ASSERT_TRUE(QFile::setPermissions(book, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QString warning = "Otras cuentas de este equipo tienen acceso a los datos: «" + book +
                            "» (lectura). Para quitárselo: chmod go-rwx " + book;
    // Started as a service is, with no variable that names a user.
    QProcessEnvironment environment = environmentWith("MARBELISTO_MENU_PROBE", "1");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char *name : {"MARBELISTO_USER", "USER", "LOGNAME", "USERNAME"})
        environment.remove(name);
    const ProgramRun probe = runProgram({"--data", data.path()}, environment);
    ASSERT_EQ(probe.exitCode, 0) << probe.err;
    EXPECT_EQ(probe.err.count("Aviso: " + warning + u'\n'), 1) << probe.err;
    EXPECT_TRUE(probe.out.contains(u'\n' + warning + "\nUsuario: ")) << probe.out;
    QProcess id;
    id.start("id", {"-un"});
    ASSERT_TRUE(id.waitForFinished());
    const QString account = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
    EXPECT_TRUE(!account.isEmpty() && probe.out.endsWith("\nUsuario: " + account + u'\n')) << probe.out;
    // Nobody to sign the guides: an account the passwd database does not name.
    if (geteuid() == 0) {
        const ProgramRun run = runProgram({"--reuid=4000017", "--regid=4000017", "--clear-groups", MARBELISTO_PROGRAM,
                                           "guide-vars", "1", "NUMERO"}, environment, "setpriv");
        EXPECT_TRUE(run.exitCode == 1 && run.err.contains("No se sabe quién firma las guías: la cuenta 4000017")) << run.err;
    }

    // Either the dialog opened, or the component said it is not there yet; a missing plug-in or
    // any other error fails.
    QStringList pending;
    for (const auto &[entry, dialog] : {std::pair{"Nueva guía de despacho…", "frmSelectFacturas"},
                                        std::pair{"Revisar / cerrar guías…", "frmConfirmarBruvelos"}}) {
        const QStringList windows = opened(probe.out, entry);
        ASSERT_FALSE(windows.isEmpty()) << probe.out;
        if (windows.first().contains(Pending))
            pending.append(dialog);
        else
            EXPECT_TRUE(windows.first().startsWith(dialog + QStringLiteral(" ("))) << windows.first();
    }
    // Printing asks for the number first; the guide exists, so what follows is the print itself.
    const QStringList printing = opened(probe.out, "Imprimir guía…");
    ASSERT_FALSE(printing.isEmpty()) << probe.out;
    EXPECT_TRUE(printing.first().startsWith("InputBoxEx (QInputDialog)")) << printing.first();
    // Qt's own buttons speak the language of the books.
    EXPECT_TRUE(printing.first().endsWith("[Aceptar|Cancelar]")) << printing.first();
    for (const QString &window : printing.mid(1)) {
        EXPECT_FALSE(window.contains("No existe la guía")) << window;
        if (window.contains(Pending))
            pending.append("ViewPrint");
    }

    // The list shows the demo's guides, newest first.
    const auto framework = marbelisto::Framework::open(data.path(), "ANA");
    const qint64 guides = toolkit::toLong(framework->ReadScalarA("SELECT COUNT(*) FROM gdVontarelis", {}));
    const qint64 newest = toolkit::toLong(framework->ReadScalarA("SELECT MAX(id) FROM gdVontarelis", {}));
    ASSERT_GT(guides, 0);
    EXPECT_TRUE(probe.out.contains(QStringLiteral("lista: %1 de %1 guías, primera %2\n").arg(guides).arg(newest))) << probe.out;
    if (!pending.isEmpty())
        GTEST_SKIP() << "not available yet in the component: " << pending.join(", ");
}

TEST(Program, WithoutItsPlugInTheProgramSaysWhereItLookedAndEndsCleanly)
{
    // A copy of the program in a folder with no plug-in beside it nor an installed one.
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("bin")));
    const QString program = prefix.filePath("bin/marbelisto");
    ASSERT_TRUE(QFile::copy(MARBELISTO_PROGRAM, program));
    QTemporaryDir data;
    QTemporaryDir emptyPlugins;
    ASSERT_EQ(runProgram({"init", "--data", data.path()}).exitCode, 0);

    const ProgramRun run = runProgram({"--data", data.path(), "guide-vars", "1", "NUMERO"},
                                      environmentWith("VONTARELIS_PLUGIN_DIR", emptyPlugins.path()), program);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Vontarelis.Activator")) << run.err;
    for (const QString &folder : {emptyPlugins.path(), prefix.filePath("bin/plugins"), prefix.filePath("plugins")})
        EXPECT_TRUE(run.err.contains("\n  " + folder + u'\n')) << run.err;
    EXPECT_TRUE(run.err.contains(prefix.path() + "/lib")) << "the installed folder: " << run.err;
}

TEST(Program, InitTakesItsTemplatesOnlyFromShareAboveTheProgramAndNamesTheFolder)
{
    // A program in PREFIX/bin with an unrelated "data" folder two levels above it, as /data is for /usr.
    QTemporaryDir root;
    const QDir prefix(root.filePath("usr"));
    ASSERT_TRUE(prefix.mkpath("bin") && QDir(root.path()).mkpath("data"));
    const QString program = prefix.filePath("bin/marbelisto");
    ASSERT_TRUE(QFile::copy(MARBELISTO_PROGRAM, program));
    QFile decoy(root.filePath("data/volumen.txt"));
    ASSERT_TRUE(decoy.open(QIODevice::WriteOnly) && decoy.write("ajeno\n") > 0);
    decoy.close();

    const QString missing = prefix.filePath("share/marbelisto/data");
    const ProgramRun refused = runProgram({"init", "--data", root.filePath("libro"), "--demo"},
                                          QProcessEnvironment::systemEnvironment(), program);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("No se encontraron las plantillas") && refused.err.contains("«" + missing + "»"))
        << refused.err;
    EXPECT_FALSE(QFileInfo::exists(root.filePath("libro"))) << "nothing is made without templates";

    ASSERT_TRUE(prefix.mkpath("share/marbelisto/data"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VONTARELIS_DATA_TEMPLATE) + "/FormatoDespacho.txt",
                            missing + "/FormatoDespacho.txt"));
    const ProgramRun init = runProgram({"init", "--data", root.filePath("libro")},
                                       QProcessEnvironment::systemEnvironment(), program);
    EXPECT_EQ(init.exitCode, 0) << init.err;
    EXPECT_TRUE(init.out.contains("Archivos copiados de " + missing + ": FormatoDespacho.txt\n")) << init.out;
    EXPECT_EQ(QDir(root.filePath("libro")).entryList(QDir::Files), (QStringList{"FormatoDespacho.txt", "marbelisto.db"}));
}

TEST(Program, WithoutADisplayTheWindowSaysHowToRunItWhileTheVerbsWork)
{
    QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    ASSERT_EQ(runProgram({"init", "--data", data.path(), "--demo", "--invoices", "60"}, environment).exitCode, 0);
    const ProgramRun printed =
        runProgram({"--data", data.path(), "print-guide", "1", "--pdf", data.filePath("g.pdf")}, environment);
    EXPECT_EQ(printed.exitCode, 0) << printed.err;

    // No display named at all, and an X display whose server is not there.
    for (const QString &display : {QString(), QStringLiteral(":97")}) {
        QProcessEnvironment without = environment;
        if (!display.isEmpty())
            without.insert("DISPLAY", display);
        const ProgramRun run = runProgram({"--data", data.path()}, without);
        EXPECT_EQ(run.exitCode, 1) << display << run.err;
        EXPECT_TRUE(run.err.startsWith("marbelisto: la ventana necesita una pantalla gráfica") &&
                    run.err.contains("xvfb-run marbelisto") && !run.err.contains("Reinstalling"))
            << run.err;
    }

    // The menu probe on a folder without books says so rather than wait for an answer.
    QTemporaryDir none;
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("MARBELISTO_MENU_PROBE", "1");
    const ProgramRun probe = runProgram({"--data", none.path()}, environment);
    EXPECT_EQ(probe.exitCode, 1);
    EXPECT_TRUE(probe.err.contains("«" + none.path() + "» no tiene base de datos")) << probe.err;
}

TEST(Program, ConfigSetsThePrinterAndEachPrintGoesWhereTheSettingSaysAndSaysWhere)
{
    QTemporaryDir root;
    const QString data = root.filePath("libro");
    QProcessEnvironment environment = environmentWith("HOME", root.filePath("casa"));
    ASSERT_EQ(runProgram({"init", "--data", data, "--demo", "--invoices", "60"}, environment).exitCode, 0);
    const auto config = [&](const QStringList &arguments) {
        return runProgram(QStringList{"--data", data, "config"} + arguments, environment);
    };

    // A value is stored and read back as typed, quotes included; keys are named in any case.
    const QString quoted = QStringLiteral("mi 'formato\" de \\\\guía.txt");
    EXPECT_EQ(config({"formatoguiadespacho", quoted}).exitCode, 0);
    EXPECT_EQ(config({"FormatoGuiaDespacho"}).out, quoted + u'\n');
    const ProgramRun listed = config({});
    EXPECT_TRUE(listed.out.startsWith("Impresora=\t# ") && listed.out.contains("\nFormatoGuiaDespacho=" + quoted + "\t# "))
        << listed.out;
    EXPECT_EQ(config({"FormatoGuiaDespacho", ""}).exitCode, 0);
    EXPECT_EQ(config({"FormatoGuiaDespacho"}).out, "\n");
    const ProgramRun unknown = config({"Impresoras", "x"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("clave desconocida «Impresoras»; las claves son: Impresora, ")) << unknown.err;

    // Folders: absolute, "./" under the data folder, "~/" under the home folder. Each print names its file.
    for (const auto &[setting, folder] : {std::pair{root.filePath("pdf"), root.filePath("pdf")},
                                          std::pair{QStringLiteral("./impresos"), data + "/impresos"},
                                          std::pair{QStringLiteral("~/guias"), root.filePath("casa/guias")}}) {
        ASSERT_EQ(config({"Impresora", setting}).exitCode, 0);
        const ProgramRun run = runProgram({"--data", data, "print-guide", "2"}, environment);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const QStringList files = QDir(folder).entryList({"GDD-000002-*.pdf"}, QDir::Files);
        ASSERT_EQ(files.size(), 1) << setting;
        EXPECT_TRUE(run.out.contains("Guía 000002: 1 página(s) en el archivo " + folder + u'/' + files.first() + u'\n'))
            << run.out;
    }

    // Anything else is a printer's name, a Windows share's too: unknown here, it is said in plain
    // words and no folder of that name appears, neither in the data folder nor where the program ran.
    for (const QString &printer : {QStringLiteral("salida"), QStringLiteral("\\\\servidor\\epson")}) {
        ASSERT_EQ(config({"Impresora", printer}).exitCode, 0);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(root.path());
        process.start(MARBELISTO_PROGRAM, {"--data", data, "print-guide", "2"});
        ASSERT_TRUE(process.waitForFinished(120000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(err.contains("La impresora «" + printer + "» que indica la configuración (clave «Impresora») no existe"))
            << err;
        EXPECT_TRUE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot) ==
                    (QStringList{"casa", "libro", "pdf"}));
        EXPECT_FALSE(QFileInfo::exists(data + u'/' + printer));
    }
}
