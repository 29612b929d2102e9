#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/InitCommand.h"
#include "marbelisto/host/Framework.h"
#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using marbelisto::InitCommand;

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

// Runs "init" as the command line would, with a template folder of the test's own.
class InitRun
{
public:
    explicit InitRun(const QString &templateFolder)
        : m_command(marbelisto::DataTemplate(templateFolder), QDate(2024, 6, 28))
    {
        m_parser.addOptions(m_command.options());
    }

    int operator()(const QString &dataPath, const QStringList &options)
    {
        if (!m_parser.parse(QStringList{QStringLiteral("marbelisto"), QStringLiteral("init")} + options))
            throw std::runtime_error(m_parser.errorText().toStdString());
        m_output.clear();
        QTextStream out(&m_output);
        return m_command.run(marbelisto::CommandContext(m_parser, dataPath, QStringLiteral("ADMIN"), out));
    }

    QString output() const { return m_output; }

private:
    InitCommand m_command;
    QCommandLineParser m_parser;
    QString m_output;
};

QString failure(InitRun &init, const QString &dataPath, const QStringList &options)
{
    try {
        init(dataPath, options);
    } catch (const toolkit::Error &error) {
        return error.description();
    }
    return QString();
}

} // namespace

TEST(InitCommand, CreatesTheFolderTheDemoBooksAndTheTemplateFiles)
{
    QTemporaryDir root;
    const QString templateFolder = root.filePath(QStringLiteral("plantilla"));
    QDir().mkpath(templateFolder);
    writeFile(templateFolder + QStringLiteral("/FormatoDespacho.txt"), "{NUMERO}\n");
    writeFile(templateFolder + QStringLiteral("/evGuiaDespacho.js.sample"), "// muestra\n");
    const QString data = root.filePath(QStringLiteral("datos/nuevos"));

    InitRun init(templateFolder);
    EXPECT_EQ(init(data, {QStringLiteral("--demo"), QStringLiteral("--invoices"), QStringLiteral("120")}), 0);
    EXPECT_TRUE(init.output().contains(QStringLiteral("120 facturas")));
    EXPECT_EQ(readFile(data + QStringLiteral("/FormatoDespacho.txt")), QByteArray("{NUMERO}\n"));
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/evGuiaDespacho.js.sample")));

    const auto framework = marbelisto::Framework::open(data, QStringLiteral("ADMIN"));
    EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM facturas"), {})), 120);
    EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM gdVehiculos"), {})), 6);
}

TEST(InitCommand, NeverOverwritesADatabase)
{
    QTemporaryDir root;
    const QString data = root.filePath(QStringLiteral("datos"));
    const QString templateFolder = root.filePath(QStringLiteral("plantilla"));
    QDir().mkpath(templateFolder);
    InitRun init(templateFolder);
    ASSERT_EQ(init(data, {}), 0);
    {
        const auto framework = marbelisto::Framework::open(data, QStringLiteral("ADMIN"));
        EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM facturas"), {})), 0);
        framework->ExecuteSQLA(QStringLiteral("INSERT INTO Zonas (Codigo, Descripcion) VALUES ('MIA', 'Mía')"), {});
    }
    // A site's own copy of a template file stays as the site left it.
    writeFile(templateFolder + QStringLiteral("/FormatoDespacho.txt"), "plantilla\n");
    writeFile(data + QStringLiteral("/FormatoDespacho.txt"), "propio\n");

    const QString refused = failure(init, data, {QStringLiteral("--demo")});
    EXPECT_TRUE(refused.contains(QStringLiteral("Ya existe una base de datos"))) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("no se sobrescribe"))) << refused.toStdString();
    const auto framework = marbelisto::Framework::open(data, QStringLiteral("ADMIN"));
    EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM Zonas"), {})), 1);
    EXPECT_EQ(toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM facturas"), {})), 0);

    const QString other = root.filePath(QStringLiteral("otra"));
    InitRun fresh(templateFolder);
    QDir().mkpath(other);
    writeFile(other + QStringLiteral("/FormatoDespacho.txt"), "propio\n");
    ASSERT_EQ(fresh(other, {}), 0);
    EXPECT_EQ(readFile(other + QStringLiteral("/FormatoDespacho.txt")), QByteArray("propio\n"));
}

TEST(InitCommand, RefusesAWrongInvoiceCountWithoutLeavingADatabase)
{
    QTemporaryDir root;
    const QString data = root.filePath(QStringLiteral("datos"));
    for (const QStringList &options : {QStringList{QStringLiteral("--invoices"), QStringLiteral("10")},
                                       QStringList{QStringLiteral("--demo"), QStringLiteral("--invoices"),
                                                   QStringLiteral("diez")},
                                       QStringList{QStringLiteral("--demo"), QStringLiteral("--invoices"),
                                                   QStringLiteral("0")}}) {
        InitRun init(root.filePath(QStringLiteral("sinPlantilla")));
        EXPECT_FALSE(failure(init, data, options).isEmpty()) << options.join(u' ').toStdString();
        EXPECT_FALSE(QFile::exists(data + QStringLiteral("/marbelisto.db")));
    }
}
