// The review dialog over a guide of 5,000 invoices: looking the guide up (header, query, grid)
// and processing it with every invoice ticked (rewriting its links in one transaction, then
// printing it again to a PDF folder), driven through the real dialog offscreen.
#include "BenchTimer.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/host/Framework.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/NumericBox.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/confirm/frmConfirmarBruvelos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Invoices = 5000;

// Answers no to every question and counts what would have been shown.
class SilentUtilities : public hostlibs::StandardCommonUtilities
{
public:
    void ShowMessage(const QString &text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    bool AskYesNo(const QString &, bool, const QString &) override { return false; }
    void ReportError(qint32, qint32 number, const QString &description, const QString &source) override
    {
        ++errors;
        std::fprintf(stderr, "error %d in %s: %s\n", number, qPrintable(source), qPrintable(description));
    }
    int errors = 0;
};

qint32 seed(host::IFramework &f, const QString &printFolder)
{
    f.StartTransaction();
    f.ExecuteSQLA(QStringLiteral("INSERT INTO Empresa (id, nombre, rif, direccion, telefono, tipoCambio) "
                                 "VALUES (1, 'Distribuidora', 'J-1', 'Caracas', '0212', 1)"),
                  {});
    f.ExecuteSQLA(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES ('Impresora', ?)"), {printFolder});
    f.ExecuteSQLA(QStringLiteral("INSERT INTO Vendedores (Codigo, Nombre, esConductor) VALUES ('C01', 'Pedro', 1)"), {});
    f.ExecuteSQLA(QStringLiteral("INSERT INTO Vendedores (Codigo, Nombre, esConductor) VALUES ('V01', 'Ana', 0)"), {});
    f.ExecuteSQLA(QStringLiteral("INSERT INTO clientes (codigo, nombre, Zona, VendedorAsignado) VALUES ('CL1', 'Uno', 'Z1', 'V01')"), {});
    f.ExecuteSQLA(QStringLiteral("INSERT INTO ItemsInventario (codigo, descripcion, peso) VALUES ('IT1', 'Harina', 2.5)"), {});
    f.ExecuteSQLA(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                                 "totalPrecioVenta, totalIVA, vendedor, zona) "
                                 "VALUES ('C01', 0, '2024-03-15 00:00:00', 'BENCH', 5000, 1, 1, 1, 'V01', 'Z1')"),
                  {});
    const qint32 guide = f.ReadScalarA(QStringLiteral("SELECT MAX(id) FROM gdVontarelis"), {}).toInt();
    for (int i = 1; i <= Invoices; ++i) {
        f.ExecuteSQLA(QStringLiteral("INSERT INTO facturas (serie, correlativo, codigoCliente, NombreCliente, codigoVendedor, "
                                     "FechaTransaccion, precioEfectivo, Impuesto1, tipocambio, Despachada) "
                                     "VALUES ('A', ?, 'CL1', 'Uno', 'V01', ?, 100, 12, 1, 0)"),
                      {i, QDateTime(QDate(2024, 3, 1).addDays(i % 14), QTime(9, 0))});
        const QVariant numero = f.ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {});
        f.ExecuteSQLA(QStringLiteral("INSERT INTO ComprobantesAlmacen (TipoEntidadOrigen, numeroDocumentoOrigen, fecha) "
                                     "VALUES ('FCT', ?, '2024-03-01 00:00:00')"),
                      {numero});
        const QVariant voucher = f.ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {});
        f.ExecuteSQLA(QStringLiteral("INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas, Entradas) "
                                     "VALUES (?, 'IT1', 2, 0)"),
                      {voucher});
        f.ExecuteSQLA(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"), {guide, numero});
    }
    f.CommitTransaction();
    return guide;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    QTemporaryDir printed;
    const marbelisto::DataFolder data(folder.path());
    marbelisto::Framework framework(marbelisto::SqliteDatabase::create(data.databaseFile()), data, QStringLiteral("BENCH"));
    const qint32 guide = seed(framework, printed.path());
    QFile format(framework.DataPath() + QStringLiteral("FormatoDespacho.txt"));
    if (!format.open(QIODevice::WriteOnly))
        return 1;
    format.write("GUIA {NUMERO}\n[DETALLE]\n{DESCRIPCION} {CANTIDAD}\n[/DETALLE]\n");
    format.close();

    auto utilities = std::make_unique<SilentUtilities>();
    SilentUtilities &silent = *utilities;
    hostlibs::InstallCommonUtilities(std::move(utilities));
    vontarelis::InitHostContext(framework);
    vontarelis::frmConfirmarBruvelos form;
    form.show();
    form.activateWindow();
    auto *numGuia = form.findChild<toolkit::NumericBox *>(QStringLiteral("numGuia"));
    QElapsedTimer waiting;
    waiting.start();
    while (QApplication::focusWidget() != numGuia && waiting.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (QApplication::focusWidget() != numGuia)
        return 1;

    auto *grid = form.findChild<toolkit::FlexGrid *>(QStringLiteral("detalles"));
    numGuia->setText(QString::number(guide));
    // Leaving the field with Tab runs the lookup, as the user's key does.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    const BenchTimer lookup;
    QApplication::sendEvent(numGuia, &tab);
    const double lookupSeconds = lookup.seconds();
    if (grid->Rows() != Invoices + 1) {
        std::fprintf(stderr, "the grid holds %d rows\n", grid->Rows());
        return 1;
    }

    const BenchTimer process;
    form.findChild<QPushButton *>(QStringLiteral("cbOk"))->click();
    const double processSeconds = process.seconds();
    const qint32 links = framework.ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM gdFacturasGuia WHERE idGuia = ?"), {guide}).toInt();

    BenchTimer::report("confirm_lookup_5000", lookupSeconds, "s");
    BenchTimer::report("confirm_process_5000", processSeconds, "s");
    BenchTimer::report("confirm_lookup_and_process_5000", lookupSeconds + processSeconds, "s");
    const bool processed = links == Invoices && silent.errors == 0;
    hostlibs::InstallCommonUtilities(nullptr);
    return processed ? 0 : 1;
}
