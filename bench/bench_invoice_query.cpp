// The guide-creation dialog's invoice list over a large book: 100,000 demo invoices, the
// query with no zone or salesperson filter, every field of every row read as the dialog reads it.
#include "BenchTimer.h"
#include "SqliteShell.h"

#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/DemoData.h"
#include "marbelisto/host/Framework.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Invoices = 100000;

QString invoiceQuery()
{
    return QStringLiteral("SELECT f.serie, f.correlativo, f.numero, f.precioEfectivo, f.Impuesto1, ")
           + QStringLiteral("f.tipocambio, f.FechaTransaccion, c.nombre, dbo.PesoFactura(f.numero) As peso, ")
           + QStringLiteral("f.NombreCliente ") + QStringLiteral("FROM (SELECT * FROM facturas f ")
           + QStringLiteral("WHERE Despachada = 0 ") + QStringLiteral("AND NOT EXISTS (SELECT * FROM gdFacturasGuia ")
           + QStringLiteral("WHERE numeroFactura = f.numero)) f ")
           + QStringLiteral("INNER JOIN (SELECT * FROM clientes WHERE 1 = 1 ")
           + QStringLiteral(") c on c.codigo = f.codigoCliente ") + QStringLiteral("ORDER BY f.fechaTransaccion, f.numero");
}

long long readInvoiceList()
{
    long long rows = 0;
    double check = 0.0;
    for (auto rs = vontarelis::SqlOpenRecordset(invoiceQuery(), {}); !rs->Eof(); rs->MoveNext()) {
        const QString serie = toolkit::toText(rs->Fields(QStringLiteral("serie")));
        const qint32 correlativo = toolkit::toLong(rs->Fields(QStringLiteral("correlativo")));
        const qint32 numero = toolkit::toLong(rs->Fields(QStringLiteral("numero")));
        const toolkit::Currency neto = toolkit::toCurrency(rs->Fields(QStringLiteral("precioEfectivo")));
        const toolkit::Currency iva = toolkit::toCurrency(rs->Fields(QStringLiteral("Impuesto1")));
        const double tasa = toolkit::toDouble(rs->Fields(QStringLiteral("tipocambio")));
        const QDateTime fecha = toolkit::toDate(rs->Fields(QStringLiteral("FechaTransaccion")));
        const QString nombre = toolkit::toText(rs->Fields(QStringLiteral("nombre")));
        const double peso = toolkit::toDouble(rs->Fields(QStringLiteral("peso")));
        const QString cliente = toolkit::toText(rs->Fields(QStringLiteral("NombreCliente")));
        check += peso + tasa + (neto + iva).toDouble() + correlativo + numero + fecha.date().day() + serie.size()
                 + nombre.size() + cliente.size();
        ++rows;
    }
    return check > 0.0 ? rows : -rows;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const marbelisto::DataFolder data(folder.path());
    auto database = marbelisto::SqliteDatabase::create(data.databaseFile());
    {
        const BenchTimer timer;
        marbelisto::DemoData({.invoices = Invoices, .today = QDate(2024, 6, 28)}).fill(*database);
        BenchTimer::report("demo_generate_100k", timer.seconds(), "s");
    }

    marbelisto::Framework framework(std::move(database), data, QStringLiteral("BENCH"));
    vontarelis::InitHostContext(framework);
    const BenchTimer timer;
    const long long rows = readInvoiceList();
    BenchTimer::report("invoice_query_100k", timer.seconds(), "s");
    BenchTimer::report("invoice_query_100k_rows", rows, "rows");

    SqliteShell::time("invoice_query_100k_open_sqlite3_shell", data.databaseFile(),
                      SqliteShell::asTheHostRunsIt(invoiceQuery()));
    return rows > 0 ? 0 : 1;
}
