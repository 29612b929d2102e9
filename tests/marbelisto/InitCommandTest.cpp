#include "marbelisto/app/InitCommand.h"
#include "marbelisto/host/BookAccess.h"
#include "marbelisto/host/Framework.h"

#include "VerbRun.h"
#include "support/FileModes.h"
#include "support/TestDatabase.h"
#include "toolkit/VariantConvert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void registerGuide(marbelisto::Framework &session)
{
    session.ExecuteSQLA("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                        "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C01', 1, ?, 'ADMIN', 0, 0, 0, 0, '', '')",
                        {QDate(2024, 6, 28).startOfDay()});
}

// A data folder to be made from a template folder of the test's own.
class InitTest : public ::testing::Test
{
protected:
    InitTest()
    {
        QDir().mkpath(templateFolder);
        writeFile(templateFolder + "/FormatoDespacho.txt", "{NUMERO}\n");
    }

    // Runs "init": the text it printed, or "Error: " and why it refused.
    QString init(const QString &dataPath, const QStringList &options)
    {
        marbelisto::InitCommand command(marbelisto::DataTemplate(templateFolder), QDate(2024, 6, 28));
        try {
            return verbtest::runVerb(command, dataPath, options, "ADMIN").join(u'\n');
        } catch (const toolkit::Error &error) {
            return "Error: " + error.description();
        }
    }

    QTemporaryDir root;
    const QString templateFolder = root.filePath("plantilla");
    const QString data = root.filePath("datos/nuevos");
};

} // namespace

// The database of the engine under test: the data folder's file, or a fresh PostgreSQL database
// named with --db. The numbering goes on after the demo books' own keys.
TEST_F(InitTest, CreatesTheBooksAndTheTemplateFilesAndReplacesThemOnlyWhenForced)
{
    writeFile(templateFolder + "/evGuiaDespacho.js.sample", "// muestra\n");
    const testsupport::TestDatabase database(data);
    const QStringList db = verbtest::dbOption(database.source());
    const auto number = [&](const QString &sql) {
        marbelisto::Framework session(database.source().open(), marbelisto::DataFolder(data), "ADMIN");
        return toolkit::toLong(session.ReadScalarA(sql, {}));
    };

    const QString created = init(data, db + QString("--demo --invoices 40").split(u' '));
    EXPECT_TRUE(created.contains("40 facturas")) << created.toStdString();
    EXPECT_TRUE(created.contains("Archivos copiados de " + templateFolder + ": ")) << created.toStdString();
    if (database.source().isServer()) {
        // Another tool on the same database names the tables as the program does.
        QProcess psql;
        psql.start("psql", {"-X", "-A", "-t", "-d", database.source().address(), "-c", "SELECT COUNT(*) FROM facturas"});
        ASSERT_TRUE(psql.waitForFinished(30000));
        EXPECT_EQ(QString::fromUtf8(psql.readAllStandardOutput()).trimmed(), "40") << psql.readAllStandardError().toStdString();
    }
    EXPECT_EQ(readFile(data + "/FormatoDespacho.txt"), u"{NUMERO}\n"_s);
    EXPECT_EQ(readFile(data + "/evGuiaDespacho.js.sample"), u"// muestra\n"_s);
    EXPECT_EQ(number("SELECT COUNT(*) FROM facturas"), 40);
    EXPECT_EQ(number("SELECT COUNT(*) FROM gdVehiculos"), 6);
    const qint32 last = number("SELECT MAX(id) FROM gdVontarelis");
    ASSERT_GT(last, 0);
    EXPECT_EQ(number("SELECT IDENT_CURRENT('gdVontarelis')"), last);
    {
        marbelisto::Framework session(database.source().open(), marbelisto::DataFolder(data), "ADMIN");
        registerGuide(session);
        EXPECT_EQ(toolkit::toLong(session.ReadScalarA("SELECT SCOPE_IDENTITY()", {})), last + 1);
        session.ExecuteSQLA("INSERT INTO Facturas (serie, correlativo, codigoCliente, NombreCliente, FechaTransaccion) "
                            "VALUES ('Z', 1, 'X', 'X', ?)",
                            {QDate(2024, 6, 28).startOfDay()});
    }

    const QString refused = init(data, db);
    for (const char *part : {"Error: ", "no se sobrescribe", "--force"})
        EXPECT_TRUE(refused.contains(part)) << refused.toStdString();
    EXPECT_EQ(number("SELECT COUNT(*) FROM facturas"), 41);

    const QString forced = init(data, db + QStringList{"--force"});
    EXPECT_FALSE(forced.startsWith("Error: ")) << forced.toStdString();
    EXPECT_EQ(number("SELECT COUNT(*) FROM facturas") + number("SELECT COUNT(*) FROM gdVontarelis"), 0);
    EXPECT_EQ(number("SELECT IDENT_CURRENT('gdVontarelis')"), 1);

    // A site's own copy of a template file stays as the site left it.
    const QString other = root.filePath("otra");
    QDir().mkpath(other);
    writeFile(other + "/FormatoDespacho.txt", "propio\n");
    EXPECT_FALSE(init(other, {}).startsWith("Error: "));
    EXPECT_TRUE(QFile::exists(other + "/marbelisto.db"));
    EXPECT_EQ(readFile(other + "/FormatoDespacho.txt"), u"propio\n"_s);
}

// Whatever the umask: the folders init makes, the book and the files SQLite keeps beside it while
// a guide is registered reach nobody but their owner.
TEST_F(InitTest, TheBooksReachOnlyTheirOwnerAndAFolderOthersCanWriteInIsRefused)
{
    const testsupport::UmaskScope permissive(0);
    const testsupport::TestDatabase database(data);
    const QString book = data + "/marbelisto.db";
    ASSERT_FALSE(init(data, verbtest::dbOption(database.source())).startsWith("Error: "));
    EXPECT_EQ(testsupport::fileMode(root.filePath("datos")), 0700);
    EXPECT_EQ(testsupport::fileMode(data), 0700);
    if (!database.source().isServer()) {
        EXPECT_EQ(testsupport::fileMode(book), 0600);
        {
            marbelisto::Framework session(database.source().open(), marbelisto::DataFolder(data), "ADMIN");
            registerGuide(session);
            for (const char *companion : {"-wal", "-shm"})
                EXPECT_EQ(testsupport::fileMode(book + companion), 0600) << companion;
        }
        // A folder that hands its files to its group (setgid) shares the book with that group on purpose.
        const auto setMode = [](const QString &path, mode_t mode) { return ::chmod(QFile::encodeName(path).constData(), mode) == 0; };
        ASSERT_TRUE(setMode(data, 02770) && setMode(book, 0660));
        const marbelisto::BookAccess access(marbelisto::DataFolder(data), book);
        EXPECT_EQ(access.warning(), QString());
        ASSERT_TRUE(setMode(book, 0664));
        EXPECT_TRUE(access.warning().endsWith("(lectura). Para quitárselo: chmod o-rwx " + book)) << access.warning().toStdString();
    }

    const QString shared = root.filePath("compartida");
    ASSERT_TRUE(QDir().mkpath(shared) && ::chmod(QFile::encodeName(shared).constData(), 0777) == 0);
    const QString refused = init(shared, {});
    for (const QString &part : {u"Error: "_s, "pueden escribir en la carpeta «" + shared + u'»', "chmod go-rwx " + shared})
        EXPECT_TRUE(refused.contains(part)) << refused.toStdString();
    EXPECT_TRUE(QDir(shared).isEmpty());
}

TEST_F(InitTest, RefusesAWrongInvoiceCountOrAMissingTemplateWithoutLeavingADatabase)
{
    for (const char *options : {"--invoices 10", "--demo --invoices diez", "--demo --invoices 0"}) {
        EXPECT_TRUE(init(data, QString(options).split(u' ')).startsWith("Error: ")) << options;
        EXPECT_FALSE(QFile::exists(data + "/marbelisto.db")) << options;
    }
    ASSERT_TRUE(QFile::remove(templateFolder + "/FormatoDespacho.txt"));
    const QString refused = init(data, {"--demo"});
    EXPECT_TRUE(refused.startsWith("Error: No se encontraron las plantillas") && refused.contains("«" + templateFolder + "»"))
        << refused.toStdString();
    EXPECT_FALSE(QFileInfo::exists(data));
}
