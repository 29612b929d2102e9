// Printing at size: a guide of 1,000 item lines through the print library into a PDF file, and
// reading the item lines of a guide that carries 5,000 invoices.
#include "BenchTimer.h"

#include "hostlibs/HostLibraries.h"
#include "marbelisto/app/DataTemplate.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/demo/BulkInsert.h"
#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

constexpr int PrintedLines = 1000;
constexpr int ListedInvoices = 5000;
constexpr int Repeats = 5;

// Guide 1 carries one invoice with `PrintedLines` items; guide 2 carries `ListedInvoices`
// invoices of three lines each over 200 items.
void fill(marbelisto::Database &database)
{
    marbelisto::BulkInsert(database, QStringLiteral("INSERT INTO Empresa (id, nombre, tipoCambio) VALUES (1, 'Bench', 1)"))
        .row({});
    marbelisto::BulkInsert(database, QStringLiteral("INSERT INTO Vendedores (Codigo, Nombre, esConductor) VALUES (?, ?, 1)"))
        .row({QStringLiteral("C01"), QStringLiteral("Conductor de prueba")});
    marbelisto::BulkInsert(database, QStringLiteral("INSERT INTO gdTiposVehiculo (id, nombre) VALUES (1, 'Camión')")).row({});
    marbelisto::BulkInsert(database, QStringLiteral("INSERT INTO gdVehiculos (id, tipoVehiculo, placas) VALUES (1, 1, 'AB123CD')"))
        .row({});
    marbelisto::BulkInsert items(database, QStringLiteral("INSERT INTO ItemsInventario (codigo, descripcion, peso) VALUES (?, ?, ?)"));
    for (int i = 0; i < PrintedLines; ++i)
        items.row({QStringLiteral("IT%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Artículo de prueba %1").arg(i), 1.25});
    marbelisto::BulkInsert invoices(database, QStringLiteral(
        "INSERT INTO facturas (numero, serie, correlativo, codigoCliente, NombreCliente, FechaTransaccion, precioEfectivo, "
        "Impuesto1, tipocambio) VALUES (?, 'A', ?, 'K1', 'Cliente', '2024-03-01 09:00:00', 100, 16, 1)"));
    marbelisto::BulkInsert vouchers(database, QStringLiteral(
        "INSERT INTO ComprobantesAlmacen (numero, TipoEntidadOrigen, numeroDocumentoOrigen, fecha) "
        "VALUES (?, 'FCT', ?, '2024-03-01 09:00:00')"));
    marbelisto::BulkInsert lines(database, QStringLiteral(
        "INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas) VALUES (?, ?, ?)"));
    marbelisto::BulkInsert links(database, QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"));
    marbelisto::BulkInsert guides(database, QStringLiteral(
        "INSERT INTO gdVontarelis (id, conductor, idVehiculo, fecha, operador, facturas, totalPeso, totalPrecioVenta, "
        "totalIVA, vendedor, zona) VALUES (?, 'C01', 1, '2024-03-15 00:00:00', 'ADMIN', ?, 0, 0, 0, '', '')"));
    guides.row({1, 1});
    guides.row({2, ListedInvoices});
    invoices.row({1, 1});
    vouchers.row({1, 1});
    links.row({1, 1});
    for (int i = 0; i < PrintedLines; ++i)
        lines.row({1, QStringLiteral("IT%1").arg(i, 5, 10, QLatin1Char('0')), 1 + i % 7});
    for (int n = 2; n < ListedInvoices + 2; ++n) {
        invoices.row({n, n});
        vouchers.row({n, n});
        links.row({2, n});
        for (int k = 0; k < 3; ++k)
            lines.row({n, QStringLiteral("IT%1").arg((n * 3 + k) % 200, 5, 10, QLatin1Char('0')), 1 + k});
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QTemporaryDir printed;
    const marbelisto::DataFolder folder(dir.path());
    {
        auto database = marbelisto::SqliteDatabase::create(folder.databaseFile());
        database->beginTransaction();
        fill(*database);
        database->commitTransaction();
    }
    marbelisto::DataTemplate(QStringLiteral(VONTARELIS_DATA_TEMPLATE)).copyInto(folder.path());
    const auto framework = marbelisto::Framework::open(folder.path(), QStringLiteral("ADMIN"));
    framework->ExecuteSQLA(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('Impresora', ?)"),
                           {printed.path()});
    vontarelis::InitHostContext(*framework);

    double printing = 1e9;
    for (int i = 0; i < Repeats; ++i) {
        vontarelis::GuiaDespacho guia;
        guia.Load(1);
        const BenchTimer timer;
        hostlibs::NewDocumentPrinter()->PrintDocument(guia, false);
        printing = std::min(printing, timer.seconds());
    }
    BenchTimer::report("print_guide_1000_lines_to_pdf", printing, "s");

    double reading = 1e9;
    qsizetype count = 0;
    for (int i = 0; i < Repeats; ++i) {
        vontarelis::GuiaDespacho guia;
        guia.Load(2);
        const BenchTimer timer;
        count = guia.detalles()->size();
        reading = std::min(reading, timer.seconds());
    }
    BenchTimer::report("read_detail_lines_5000_invoices", reading, "s");
    return count > 0 ? 0 : 1;
}
