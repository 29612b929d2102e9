#include "marbelisto/db/Database.h"
#include "marbelisto/db/DatabaseSource.h"
#include "marbelisto/db/QueryRunner.h"
#include "support/TestHost.h"

#include "toolkit/Error.h"
#include "toolkit/VariantConvert.h"

#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <random>
#include <thread>

using namespace Qt::StringLiterals;

using testsupport::TestHost;
using toolkit::toLong;

namespace {

qint32 insertGuide(host::IFramework &framework, const QString &driver)
{
    framework.ExecuteSQLA(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, "
                                         "totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) "
                                         "VALUES (?, 1, '2024-03-01', 'OP', 0, 0, 0, 0, '', '')"),
                          {driver});
    return toLong(framework.ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {}));
}

qint32 identCurrent(host::IFramework &framework, const QString &table = QStringLiteral("gdVontarelis"))
{
    return toLong(framework.ReadScalarA(QStringLiteral("SELECT IDENT_CURRENT('%1')").arg(table), {}));
}

} // namespace

TEST(SqlDialect, IdentCurrentFollowsEveryConnectionWhileScopeIdentityIsEachOnesOwn)
{
    TestHost host;
    host.addFacturas(77, 77);
    EXPECT_EQ(identCurrent(host.framework()), 1);
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("gdVehiculos")), 1);
    EXPECT_TRUE(toolkit::isNull(host.scalar(QStringLiteral("SELECT IDENT_CURRENT('gdFacturasGuia')"))));

    const auto second = host.openSecondConnection();
    EXPECT_EQ(insertGuide(host.framework(), QStringLiteral("A")), 1);
    EXPECT_EQ(insertGuide(*second, QStringLiteral("B")), 2);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()"))), 1);
    EXPECT_EQ(identCurrent(host.framework(), QStringLiteral("GDVONTARELIS")), 2);
    EXPECT_EQ(insertGuide(host.framework(), QStringLiteral("A")), 3);
    EXPECT_EQ(toLong(second->ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {})), 2);
    EXPECT_EQ(identCurrent(*second), 3);

    // Linking invoices (a table without identity) keeps the guide's identity; deleting gives no number back.
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (3, 77)"));
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()"))), 3);
    host.exec(QStringLiteral("DELETE FROM gdFacturasGuia"));
    host.exec(QStringLiteral("DELETE FROM gdVontarelis"));
    EXPECT_EQ(insertGuide(host.framework(), QStringLiteral("C")), 4);
}

namespace {

// One workstation registering guides of two invoices each on its own connection; a fifth of
// them fail before the commit, at random: an invoice the engine refuses (already on the guide),
// or the program gone mid-transaction (its connection dropped, as when it is killed or the network
// fails). Returns the numbers its committed guides received.
QList<qint32> registerAtDesk(const marbelisto::DatabaseSource &source, int desk, int registrations)
{
    QList<qint32> numbers;
    std::mt19937 random(desk);
    std::unique_ptr<marbelisto::Database> database = source.open();
    for (int registration = 0; registration < registrations; ++registration) {
        const bool fails = random() % 5 == 0;
        const bool dropsConnection = random() % 2 == 0;
        const qint32 invoice = desk * 10000 + registration * 2;
        const marbelisto::QueryRunner sql(*database);
        database->beginTransaction();
        try {
            sql.execute(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, "
                                       "totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) "
                                       "VALUES (?, 1, '2024-03-01', 'OP', 2, 0, 0, 0, '', '')"),
                        {QString::number(desk)});
            const qint32 guide = toLong(sql.scalar(QStringLiteral("SELECT SCOPE_IDENTITY()"), {}));
            const QString link = QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)");
            sql.execute(link, {guide, invoice});
            if (fails && dropsConnection) {
                database = source.open();
                continue;
            }
            sql.execute(link, {guide, fails ? invoice : invoice + 1});
            database->commitTransaction();
            numbers.append(guide);
        } catch (const toolkit::Error &) {
            database->rollbackTransaction();
        }
    }
    return numbers;
}

} // namespace

// A registration that rolls back gives its number back, on every engine, while another desk
// registers at the same time; each desk's invoices go on the guide its own insert numbered.
TEST(SqlDialect, TwoDesksRegisteringWithFailuresLeaveGuideNumbersWithoutGapOrRepeat)
{
    TestHost host;
    constexpr int registrations = 200;
    host.addFacturas(10000, 20000 + 2 * registrations);
    QList<qint32> numbers[2];
    std::thread first([&] { numbers[0] = registerAtDesk(host.databaseSource(), 1, registrations); });
    std::thread second([&] { numbers[1] = registerAtDesk(host.databaseSource(), 2, registrations); });
    first.join();
    second.join();

    const qint32 registered = qint32(numbers[0].size() + numbers[1].size());
    EXPECT_GT(numbers[0].size(), registrations / 2);
    EXPECT_LT(numbers[0].size(), registrations);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis"))), registered);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(DISTINCT id) FROM gdVontarelis"))), registered);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT MIN(id) FROM gdVontarelis"))), 1);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT MAX(id) FROM gdVontarelis"))), registered);
    EXPECT_EQ(identCurrent(host.framework()), registered);
    for (int desk = 1; desk <= 2; ++desk) {
        for (const qint32 guide : numbers[desk - 1]) {
            EXPECT_EQ(host.scalar(QStringLiteral("SELECT conductor FROM gdVontarelis WHERE id = ?"), {guide}),
                      QVariant(QString::number(desk)));
            EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = ? "
                                                        "AND NumeroFactura / 10000 = ?"),
                                         {guide, desk})),
                      2);
        }
    }
}

TEST(SqlDialect, PesoFacturaNetsReturnsAndIgnoresOtherVouchers)
{
    TestHost host;
    host.addItem(QStringLiteral("ARROZ"), QStringLiteral("Arroz 1 kg"), 1.0);
    host.addItem(QStringLiteral("ACEITE"), QStringLiteral("Aceite 900 ml"), 0.92);
    const QDateTime day = QDate(2024, 3, 1).startOfDay();
    const qint32 withReturns =
        host.addFactura(QStringLiteral("A"), 1, QStringLiteral("CL1"), QStringLiteral("Bodega"), 100.0, 16.0, 1.0, day);
    const qint32 withoutVoucher =
        host.addFactura(QStringLiteral("A"), 2, QStringLiteral("CL1"), QStringLiteral("Bodega"), 50.0, 8.0, 1.0, day);
    host.addMovimiento(withReturns, QStringLiteral("ARROZ"), 24);
    host.addMovimiento(withReturns, QStringLiteral("ACEITE"), 12, 2);
    host.addMovimiento(withReturns, QStringLiteral("ARROZ"), 0, 4);
    // A voucher of another kind of document with the same number does not count.
    host.ownerExec(QStringLiteral("INSERT INTO ComprobantesAlmacen (numero, TipoEntidadOrigen, numeroDocumentoOrigen, fecha) "
                                  "VALUES (900, 'NDE', ?, '2024-03-01')"),
                   {withReturns});
    host.ownerExec(QStringLiteral("INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas) VALUES (900, 'ARROZ', 1000)"));

    EXPECT_DOUBLE_EQ(toolkit::toDouble(host.scalar(QStringLiteral("SELECT dbo.PesoFactura(?)"), {withReturns})),
                     (24 - 4) * 1.0 + (12 - 2) * 0.92);
    EXPECT_DOUBLE_EQ(toolkit::toDouble(host.scalar(QStringLiteral("SELECT DBO.PesoFactura(?)"), {withoutVoucher})), 0.0);

    // Written out inside a statement, the call still names the outer tables, even under an alias
    // its body might use; a call inside a literal stays text.
    const auto rows = host.framework().OpenRecordsetA(
        QStringLiteral("SELECT dbo.PesoFactura(c.numero) AS escrita, PesoFactura(c.numero) AS llamada, "
                       "dbo.PesoFactura ((SELECT MAX(numero) FROM facturas WHERE numero = c.numero AND serie <> ')')) "
                       "AS anidada, 'dbo.PesoFactura(1)' AS texto FROM facturas c ORDER BY c.numero"),
        {});
    for (const double expected : {(24 - 4) * 1.0 + (12 - 2) * 0.92, 0.0}) {
        ASSERT_FALSE(rows->Eof());
        for (const char *column : {"escrita", "llamada", "anidada"})
            EXPECT_DOUBLE_EQ(toolkit::toDouble(rows->Fields(QString::fromLatin1(column))), expected) << column;
        EXPECT_EQ(rows->Fields(QStringLiteral("texto")).toString(), QStringLiteral("dbo.PesoFactura(1)"));
        rows->MoveNext();
    }
}

TEST(SqlDialect, DboPrefixGoesButTextInLiteralsStays)
{
    TestHost host;
    host.addZona(QStringLiteral("Z1"), QStringLiteral("see dbo.table"));
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT 'it''s dbo.x' || Descripcion FROM Dbo.zonas "
                                         "WHERE Descripcion = 'see dbo.table'")),
              QVariant(QStringLiteral("it's dbo.xsee dbo.table")));
    // A name that merely ends in "dbo" is no prefix.
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT turbo.Codigo FROM Zonas turbo")), QVariant(QStringLiteral("Z1")));
}

TEST(SqlDialect, StringDbQuotesSoThatAnyTextStaysData)
{
    TestHost host;
    host.addZona(QStringLiteral("Z1"), QStringLiteral("Centro"));
    for (const QString &name : {QStringLiteral("O'Brien"), QStringLiteral("x' OR '1'='1"), QStringLiteral("''"),
                                QStringLiteral("a;--b"), QString()}) {
        const QString literal = host.framework().StringDB(name);
        EXPECT_EQ(host.scalar(QStringLiteral("SELECT ") + literal).toString(), name) << literal.toStdString();
        EXPECT_FALSE(host.scalar(QStringLiteral("SELECT Codigo FROM Zonas WHERE Descripcion = ") + literal).isValid())
            << literal.toStdString();
    }
}

// As the tables' owner, so that what refuses is the rule and not a missing privilege.
void expectRefused(TestHost &host, const QString &sql)
{
    EXPECT_THROW(host.ownerExec(sql), toolkit::Error) << sql.toStdString();
}

// Whatever program writes: a link names a guide and an invoice that exist, and stays while they
// do; figures are not negative; a capacity is positive or not given.
TEST(SqlDialect, TheDatabaseKeepsLinksToWhatExistsAndFiguresNotNegative)
{
    TestHost host;
    host.addFacturas(10, 11);
    EXPECT_EQ(insertGuide(host.framework(), QStringLiteral("C1")), 1);
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, 10)"));
    for (const char *sql : {"INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (2, 11)",
                            "INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, 12)",
                            "UPDATE gdFacturasGuia SET NumeroFactura = 12",
                            "DELETE FROM facturas WHERE numero = 10",
                            "DELETE FROM gdVontarelis",
                            "UPDATE gdVontarelis SET totalPrecioVenta = -0.01",
                            "UPDATE gdVontarelis SET totalPesoDespacho = -1",
                            "INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                            "totalPrecioVenta, totalIVA, vendedor, zona) VALUES ('C', 0, '2024-03-01', 'OP', -1, 0, 0, 0, '', '')",
                            "INSERT INTO gdTiposVehiculo (nombre, capacidadKg) VALUES ('Moto', 0)"})
        expectRefused(host, QString::fromUtf8(sql));
    host.exec(QStringLiteral("INSERT INTO gdTiposVehiculo (nombre) VALUES ('Moto')"));
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia WHERE NumeroFactura = 10"))), 1);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis WHERE totalPesoDespacho IS NULL "
                                                "AND totalPrecioVenta = 0"))),
              1);

    // A closed guide stays so for a session that does not look in the component's schema first,
    // its returns included.
    host.exec(QStringLiteral("INSERT INTO gdDevolucionesGuia (idGuia, NumeroFactura, motivo) VALUES (1, 11, 'Cliente cerrado')"));
    host.exec(QStringLiteral("UPDATE gdVontarelis SET Cerrada = 1, totalPesoDespacho = 0"));
    for (const char *sql : {"INSERT INTO gdDevolucionesGuia (idGuia, NumeroFactura, motivo) VALUES (1, 10, 'Otro')",
                            "UPDATE gdDevolucionesGuia SET motivo = 'Otro'", "DELETE FROM gdDevolucionesGuia"})
        expectRefused(host, QString::fromUtf8(sql));
    const std::unique_ptr<marbelisto::Database> database = host.openDatabase();
    QSqlQuery query(database->connection());
    const bool server = host.databaseSource().isServer();
    ASSERT_TRUE(!server || query.exec(QStringLiteral("SET search_path = public")));
    EXPECT_FALSE(query.exec(QStringLiteral("INSERT INTO %1gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, 11)")
                                .arg(server ? QStringLiteral("dbo.") : QString())));
    EXPECT_TRUE(query.lastError().databaseText().contains(QStringLiteral("Guía cerrada")))
        << query.lastError().text().toStdString();

    // A program that leaves SQLite's foreign keys off, as its own shell does, meets the same rules.
    if (server)
        return;
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA foreign_keys = OFF")));
    EXPECT_FALSE(query.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (99, 11)")));
    EXPECT_FALSE(query.exec(QStringLiteral("DELETE FROM facturas WHERE numero = 10")));
}

// The server refuses a workstation any change to a table and any write to the host's tables; an
// older database it opens waits for the owner to bring it up to date.
TEST(SqlDialect, AWorkstationReadsTheHostsTablesWritesTheComponentsAndChangesNoTable)
{
    TestHost host;
    if (!host.databaseSource().isServer())
        GTEST_SKIP() << "a file has no roles";
    host.addFacturas(10, 10);
    const std::unique_ptr<marbelisto::Database> desk = host.openDatabase();
    QSqlQuery query(desk->connection());
    EXPECT_TRUE(query.exec(u"SELECT COUNT(*) FROM facturas"_s)) << query.lastError().text().toStdString();
    EXPECT_TRUE(query.exec(u"INSERT INTO gdTiposVehiculo (nombre) VALUES ('Moto')"_s)) << query.lastError().text().toStdString();
    for (const char *sql : {"DROP TABLE gdFacturasGuia", "ALTER TABLE gdVontarelis ADD COLUMN nota TEXT",
                            "CREATE TABLE dbo.nueva (a INTEGER)", "CREATE TABLE public.nueva (a INTEGER)",
                            "CREATE TEMPORARY TABLE nueva (a INTEGER)", "CREATE SCHEMA otra",
                            "DROP FUNCTION gd_numerar() CASCADE", "TRUNCATE gdTiposVehiculo",
                            "DELETE FROM facturas", "UPDATE Empresa SET nombre = 'otra'"}) {
        EXPECT_FALSE(query.exec(QString::fromUtf8(sql))) << sql;
        EXPECT_EQ(query.lastError().nativeErrorCode(), u"42501"_s) << sql << ": " << query.lastError().text().toStdString();
    }

    try {
        host.exec(u"UPDATE Empresa SET nombre = 'otra'"_s);
        ADD_FAILURE() << "a workstation changed the company";
    } catch (const toolkit::Error &error) {
        EXPECT_TRUE(error.description().startsWith(u"El usuario de esta conexión no tiene permiso"_s)) << error.description().toStdString();
        EXPECT_TRUE(error.details().contains(u"empresa"_s)) << error.details().toStdString();
    }

    ASSERT_TRUE(QSqlQuery(host.owner().database().connection()).exec(u"DROP TRIGGER gd_aviso_enlaces ON gdFacturasGuia"_s));
    try {
        host.openDatabase();
        ADD_FAILURE() << "a workstation brought the database up to date";
    } catch (const toolkit::Error &error) {
        EXPECT_TRUE(error.description().contains(u"usuario dueño de las tablas"_s)) << error.description().toStdString();
    }
}

TEST(SqlDialect, AnInvoiceGoesOnOneGuideOnlyAndAnAbortLeavesNothing)
{
    TestHost host;
    host.addFacturas(10, 11);
    insertGuide(host.framework(), QStringLiteral("C0"));
    insertGuide(host.framework(), QStringLiteral("C0"));
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (1, 10)"));
    try {
        host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (2, 10)"));
        FAIL() << "a second link of invoice 10 was accepted";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrDatabase);
        EXPECT_TRUE(error.description().contains(QStringLiteral("unique"), Qt::CaseInsensitive))
            << error.description().toStdString();
    }

    host.framework().StartTransaction();
    const qint32 guide = insertGuide(host.framework(), QStringLiteral("C1"));
    host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, 11)"), {guide});
    EXPECT_THROW(host.exec(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, numeroFactura) VALUES (?, 10)"), {guide}),
                 toolkit::Error);
    host.framework().AbortTransaction();
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdVontarelis"))), 2);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia"))), 1);

    // Committed work is there for another workstation.
    host.framework().StartTransaction();
    const qint32 kept = insertGuide(host.framework(), QStringLiteral("C2"));
    host.framework().CommitTransaction();
    EXPECT_EQ(toLong(host.openSecondConnection()->ReadScalarA(QStringLiteral("SELECT MAX(id) FROM gdVontarelis"), {})), kept);
}

TEST(SqlDialect, NamesAndDescriptionsSortAsSpanishTextWithoutRegardToCase)
{
    TestHost host;
    // Codes run against the names, so a list in code order or in insertion order fails.
    const QStringList names{"Pasta", "MAYONESA", "Pañales", "maíz pilado", "papel", "Malta", "Panela"};
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString code = QStringLiteral("C%1").arg(names.size() - i);
        host.addItem(code, names[i], 1.0);
        host.addZona(code, names[i]);
        host.addVendedor(code, names[i]);
        host.addCliente(code, names[i], code, code);
        host.addTipoVehiculo(names[i]);
    }
    const QStringList spanishOrder{"maíz pilado", "Malta", "MAYONESA", "Panela", "Pañales", "papel", "Pasta"};
    const auto second = host.openSecondConnection();
    for (host::IFramework *framework : {&host.framework(), static_cast<host::IFramework *>(second.get())}) {
        for (const char *sql : {"SELECT descripcion FROM ItemsInventario ORDER BY descripcion",
                                "SELECT Descripcion FROM Zonas ORDER BY Descripcion",
                                "SELECT Nombre FROM Vendedores ORDER BY Nombre",
                                "SELECT nombre FROM clientes ORDER BY nombre",
                                "SELECT nombre FROM gdTiposVehiculo ORDER BY nombre"}) {
            QStringList sorted;
            for (auto rows = framework->OpenRecordsetA(QString::fromUtf8(sql), {}); !rows->Eof(); rows->MoveNext())
                sorted.append(toolkit::toText(rows->Fields(0)));
            EXPECT_EQ(sorted, spanishOrder) << sql;
        }
    }
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM clientes WHERE nombre = 'PASTA'"))), 1);
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM clientes WHERE nombre = 'Maiz pilado'"))), 0);
}

// SQLite keeps any text; PostgreSQL text cannot hold U+0000 and says so instead of failing in
// the driver's literal. Every other control character is data on both.
TEST(SqlDialect, ControlCharactersAreDataAndANulIsStoredOrRefusedInPlainWords)
{
    TestHost host;
    const QString controls = QStringLiteral("a") + QChar(1) + QChar(0x1b) + QChar(0x7f) + QChar(u'\t') + u'\'' + u'b';
    host.addZona(QStringLiteral("Z1"), controls);
    EXPECT_EQ(host.scalar(QStringLiteral("SELECT Descripcion FROM Zonas WHERE Codigo = 'Z1'")), QVariant(controls));

    const QString nul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    if (!host.databaseSource().isServer()) {
        host.addZona(QStringLiteral("Z2"), nul);
        EXPECT_EQ(host.scalar(QStringLiteral("SELECT Descripcion FROM Zonas WHERE Codigo = 'Z2'")), QVariant(nul));
        return;
    }
    try {
        host.addZona(QStringLiteral("Z2"), nul);
        FAIL() << "a text with U+0000 reached PostgreSQL";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrDatabase);
        EXPECT_EQ(error.description(), QStringLiteral("PostgreSQL no admite el carácter nulo (U+0000) dentro de un texto"));
    }
    EXPECT_EQ(toLong(host.scalar(QStringLiteral("SELECT COUNT(*) FROM Zonas"))), 1);
}
