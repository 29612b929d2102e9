#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/InitCommand.h"
#include "marbelisto/host/Framework.h"
#include "support/TestDatabase.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A data folder to be made from a template folder of the test's own.
class InitTest : public ::testing::Test
{
protected:
    InitTest() { QDir().mkpath(templateFolder); }

    // Runs "init" as the command line would: the text it printed, or "Error: " and why it refused.
    QString init(const QString &dataPath, const QStringList &options)
    {
        marbelisto::InitCommand command(marbelisto::DataTemplate(templateFolder), QDate(2024, 6, 28));
        QCommandLineParser parser;
        parser.addOptions(command.options());
        parser.addOption(QCommandLineOption(QStringLiteral("db"), QString(), QStringLiteral("URL")));
        if (!parser.parse(QStringList{QStringLiteral("marbelisto"), QStringLiteral("init")} + options))
            return QStringLiteral("Error: ") + parser.errorText();
        QString output;
        QTextStream out(&output);
        try {
            EXPECT_EQ(command.run(marbelisto::CommandContext(parser, dataPath, QStringLiteral("ADMIN"), out)), 0);
        } catch (const toolkit::Error &error) {
            return QStringLiteral("Error: ") + error.description();
        }
        out.flush();
        return output;
    }

    qint32 count(const QString &dataPath, const char *table)
    {
        const auto framework = marbelisto::Framework::open(dataPath, QStringLiteral("ADMIN"));
        return toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table), {}));
    }

    QTemporaryDir root;
    const QString templateFolder = root.filePath(QStringLiteral("plantilla"));
    const QString data = root.filePath(QStringLiteral("datos/nuevos"));
};

} // namespace

TEST_F(InitTest, CreatesTheDemoBooksAndTheTemplateFilesButNeverOverwrites)
{
    writeFile(templateFolder + QStringLiteral("/FormatoDespacho.txt"), "{NUMERO}\n");
    writeFile(templateFolder + QStringLiteral("/evGuiaDespacho.js.sample"), "// muestra\n");
    EXPECT_TRUE(init(data, QStringLiteral("--demo --invoices 120").split(u' ')).contains(QStringLiteral("120 facturas")));
    EXPECT_EQ(readFile(data + QStringLiteral("/FormatoDespacho.txt")), QByteArray("{NUMERO}\n"));
    EXPECT_EQ(readFile(data + QStringLiteral("/evGuiaDespacho.js.sample")), QByteArray("// muestra\n"));
    EXPECT_EQ(count(data, "facturas"), 120);
    EXPECT_EQ(count(data, "gdVehiculos"), 6);

    const qint32 zonas = count(data, "Zonas");
    marbelisto::Framework::open(data, QStringLiteral("ADMIN"))
        ->ExecuteSQLA(QStringLiteral("INSERT INTO Zonas (Codigo, Descripcion) VALUES ('MIA', 'Mía')"), {});
    const QString refused = init(data, {});
    EXPECT_TRUE(refused.startsWith(QStringLiteral("Error: Ya existe una base de datos"))) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("no se sobrescribe"))) << refused.toStdString();
    EXPECT_EQ(count(data, "Zonas"), zonas + 1);
    EXPECT_EQ(count(data, "facturas"), 120);

    // A site's own copy of a template file stays as the site left it.
    const QString other = root.filePath(QStringLiteral("otra"));
    QDir().mkpath(other);
    writeFile(other + QStringLiteral("/FormatoDespacho.txt"), "propio\n");
    EXPECT_FALSE(init(other, {}).startsWith(QStringLiteral("Error: ")));
    EXPECT_TRUE(QFile::exists(other + QStringLiteral("/marbelisto.db")));
    EXPECT_EQ(readFile(other + QStringLiteral("/FormatoDespacho.txt")), QByteArray("propio\n"));
}

TEST_F(InitTest, RefusesAWrongInvoiceCountWithoutLeavingADatabase)
{
    for (const char *options : {"--invoices 10", "--demo --invoices diez", "--demo --invoices 0"}) {
        EXPECT_TRUE(init(data, QString::fromLatin1(options).split(u' ')).startsWith(QStringLiteral("Error: "))) << options;
        EXPECT_FALSE(QFile::exists(data + QStringLiteral("/marbelisto.db"))) << options;
    }
}

// The database of the engine under test: the data folder's file, or a fresh PostgreSQL database
// named with --db. The numbering goes on after the demo books' own keys.
TEST_F(InitTest, FillsTheDatabaseUnderTestAndReplacesItOnlyWhenForced)
{
    const testsupport::TestDatabase database(data);
    const QStringList db = database.source().isServer()
        ? QStringList{QStringLiteral("--db"), database.source().address()}
        : QStringList();
    const auto session = [&] {
        return std::make_unique<marbelisto::Framework>(database.source().open(), marbelisto::DataFolder(data),
                                                       QStringLiteral("ADMIN"));
    };
    const auto countIn = [](marbelisto::Framework &framework, const char *table) {
        return toolkit::toLong(framework.ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table), {}));
    };

    const QString created = init(data, db + QStringLiteral("--demo --invoices 40").split(u' '));
    EXPECT_TRUE(created.contains(QStringLiteral("40 facturas"))) << created.toStdString();
    {
        const auto framework = session();
        EXPECT_EQ(countIn(*framework, "facturas"), 40);
        const qint32 last = toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT MAX(id) FROM gdVontarelis"), {}));
        ASSERT_GT(last, 0);
        EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT IDENT_CURRENT('gdVontarelis')"), {})), last);
        framework->ExecuteSQLA(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, "
                                              "totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) "
                                              "VALUES ('C01', 1, ?, 'ADMIN', 0, 0, 0, 0, '', '')"),
                               {QDateTime(QDate(2024, 6, 28), QTime(0, 0))});
        EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {})), last + 1);
        framework->ExecuteSQLA(QStringLiteral("INSERT INTO Facturas (serie, correlativo, codigoCliente, NombreCliente, "
                                              "FechaTransaccion) VALUES ('Z', 1, 'X', 'X', ?)"),
                               {QDateTime(QDate(2024, 6, 28), QTime(0, 0))});
        EXPECT_EQ(countIn(*framework, "facturas"), 41);
    }

    const QString refused = init(data, db);
    EXPECT_TRUE(refused.startsWith(QStringLiteral("Error: "))) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("no se sobrescribe"))) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("--force"))) << refused.toStdString();
    EXPECT_EQ(countIn(*session(), "facturas"), 41);

    const QString forced = init(data, db + QStringList{QStringLiteral("--force")});
    EXPECT_FALSE(forced.startsWith(QStringLiteral("Error: "))) << forced.toStdString();
    const auto framework = session();
    EXPECT_EQ(countIn(*framework, "facturas"), 0);
    EXPECT_EQ(countIn(*framework, "gdVontarelis"), 0);
    EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT IDENT_CURRENT('gdVontarelis')"), {})), 1);
}
