#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/Framework.h"
#include "toolkit/VariantConvert.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using marbelisto::DemoData;

namespace {

const QDate today(2024, 6, 28);

// A data folder with the demo books made from the given options.
class DemoBooks
{
public:
    explicit DemoBooks(const DemoData::Options &options)
    {
        const marbelisto::DataFolder folder(m_folder.path());
        auto database = marbelisto::SqliteDatabase::create(folder.databaseFile());
        DemoData(options).fill(*database);
        m_framework = std::make_unique<marbelisto::Framework>(std::move(database), folder, QStringLiteral("ADMIN"));
    }

    qint64 count(const QString &sql) { return toolkit::toLong(m_framework->ReadScalarA(sql, {})); }

    // Every row of every table, as text.
    QStringList dump()
    {
        QStringList lines;
        for (const char *table : {"Empresa", "Zonas", "Vendedores", "clientes", "ItemsInventario", "facturas",
                                  "ComprobantesAlmacen", "detallesMINV", "gdTiposVehiculo", "gdVehiculos",
                                  "gdVontarelis", "gdFacturasGuia"}) {
            const auto rows = m_framework->OpenRecordsetA(QStringLiteral("SELECT * FROM %1").arg(table), {});
            for (; !rows->Eof(); rows->MoveNext()) {
                QStringList fields{QString::fromLatin1(table)};
                for (int i = 0; i < rows->FieldCount(); ++i)
                    fields.append(toolkit::isNull(rows->Fields(i)) ? QStringLiteral("NULL") : rows->Fields(i).toString());
                lines.append(fields.join(u'|'));
            }
        }
        return lines;
    }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<marbelisto::Framework> m_framework;
};

} // namespace

TEST(DemoData, SameSeedGivesTheSameBooksAndAnotherSeedOthers)
{
    const DemoData::Options options{.seed = 7, .invoices = 150, .today = today};
    DemoBooks first(options);
    DemoBooks second(options);
    const QStringList rows = first.dump();
    EXPECT_GT(rows.size(), 600);
    EXPECT_EQ(rows, second.dump());

    DemoBooks other({.seed = 8, .invoices = 150, .today = today});
    EXPECT_NE(rows, other.dump());
}

TEST(DemoData, BooksKeepTheirPromises)
{
    DemoBooks books({.invoices = 400, .today = today});
    EXPECT_EQ(books.count(QStringLiteral("SELECT COUNT(*) FROM facturas")), 400);
    EXPECT_EQ(books.count(QStringLiteral("SELECT COUNT(*) FROM Empresa")), 1);
    // The next guide continues after the demo's.
    EXPECT_EQ(books.count(QStringLiteral("SELECT IDENT_CURRENT('gdVontarelis')")),
              books.count(QStringLiteral("SELECT MAX(id) FROM gdVontarelis")));

    const char *const none[] = {
        // Exactly one invoice voucher per invoice, with two to five lines each, of known items, never more in than out.
        "SELECT COUNT(*) FROM facturas f WHERE (SELECT COUNT(*) FROM ComprobantesAlmacen c "
        "WHERE c.TipoEntidadOrigen = 'FCT' AND c.numeroDocumentoOrigen = f.numero) <> 1",
        "SELECT COUNT(*) FROM ComprobantesAlmacen c WHERE (SELECT COUNT(*) FROM detallesMINV d "
        "WHERE d.numeroDocumento = c.numero) NOT BETWEEN 2 AND 5",
        "SELECT COUNT(*) FROM detallesMINV WHERE Entradas > Salidas",
        "SELECT COUNT(*) FROM detallesMINV d WHERE NOT EXISTS (SELECT 1 FROM ItemsInventario i WHERE i.codigo = d.codigoItem)",
        // Dated in the weeks up to today, taxed at 16 %.
        "SELECT COUNT(*) FROM facturas WHERE FechaTransaccion < '2024-05-18' OR FechaTransaccion > '2024-06-28 23:59:59'",
        "SELECT COUNT(*) FROM facturas WHERE ABS(Impuesto1 - precioEfectivo * 0.16) > 0.0001 OR precioEfectivo <= 0",
        // Everyone the invoices name exists: customers, their zones and salespeople.
        "SELECT COUNT(*) FROM facturas f LEFT JOIN clientes c ON c.codigo = f.codigoCliente "
        "WHERE c.codigo IS NULL OR c.VendedorAsignado <> f.codigoVendedor OR c.nombre <> f.NombreCliente",
        "SELECT COUNT(*) FROM clientes c WHERE NOT EXISTS (SELECT 1 FROM Zonas z WHERE z.Codigo = c.Zona) OR NOT EXISTS "
        "(SELECT 1 FROM Vendedores v WHERE v.Codigo = c.VendedorAsignado AND v.esConductor = 0)",
        // The guides hold open invoices only, as many as they say, and weigh what the invoices weigh.
        "SELECT COUNT(*) FROM gdFacturasGuia g INNER JOIN facturas f ON f.numero = g.NumeroFactura WHERE f.Despachada <> 0",
        // No invoice is dated after the day of its guide.
        "SELECT COUNT(*) FROM gdFacturasGuia g INNER JOIN facturas f ON f.numero = g.NumeroFactura "
        "INNER JOIN gdVontarelis v ON v.id = g.idGuia WHERE DATE(f.FechaTransaccion) > DATE(v.fecha)",
        "SELECT COUNT(*) FROM gdVontarelis v WHERE facturas <> (SELECT COUNT(*) FROM gdFacturasGuia g WHERE g.idGuia = v.id) "
        "OR ABS(totalPeso - (SELECT SUM(dbo.PesoFactura(g.NumeroFactura)) FROM gdFacturasGuia g WHERE g.idGuia = v.id)) > 0.001",
    };
    for (const char *sql : none)
        EXPECT_EQ(books.count(QString::fromLatin1(sql)), 0) << sql;

    const char *const some[] = {
        "SELECT COUNT(*) FROM detallesMINV WHERE Entradas > 0",
        "SELECT COUNT(*) FROM facturas WHERE Despachada = 1",
        "SELECT COUNT(*) FROM facturas WHERE Despachada = 0",
        // Some in the company's rate (0) and some in rate 2, in more than one series.
        "SELECT COUNT(*) FROM facturas WHERE tipocambio = 0",
        "SELECT COUNT(*) FROM facturas WHERE tipocambio = 2",
        "SELECT COUNT(DISTINCT serie) - 1 FROM facturas",
        "SELECT COUNT(*) FROM Vendedores WHERE esConductor = 1",
        "SELECT COUNT(*) - 2 FROM gdVehiculos v INNER JOIN gdTiposVehiculo t ON t.id = v.tipoVehiculo",
        "SELECT COUNT(*) FROM gdVontarelis WHERE Cerrada = 0",
    };
    for (const char *sql : some)
        EXPECT_GT(books.count(QString::fromLatin1(sql)), 0) << sql;
}
