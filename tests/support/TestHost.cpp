#include "support/TestHost.h"

#include "marbelisto/app/DataTemplate.h"
#include "toolkit/VariantConvert.h"

#include <stdexcept>

namespace testsupport {

TestHost::TestHost(const QString &userCode) : m_userCode(userCode)
{
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder for the test host");
    m_database = std::make_unique<TestDatabase>(m_folder.path());
    const marbelisto::DataFolder folder(m_folder.path());
    std::unique_ptr<marbelisto::Database> created = m_database->source().create(false);
    if (m_database->source().isServer()) {
        m_owner = std::make_unique<marbelisto::Framework>(std::move(created), folder, m_userCode);
        created = databaseSource().open();
    }
    m_framework = std::make_unique<marbelisto::Framework>(std::move(created), folder, m_userCode);
    ownerExec(QStringLiteral("INSERT INTO Empresa (id, nombre, rif, direccion, telefono, tipoCambio) "
                             "VALUES (1, 'Distribuidora de Prueba, C.A.', 'J-00000000-0', 'Caracas', '0212-000.00.00', 1)"));
}

TestHost::~TestHost() = default;

void TestHost::addZona(const QString &codigo, const QString &descripcion)
{
    ownerExec(QStringLiteral("INSERT INTO Zonas (Codigo, Descripcion) VALUES (?, ?)"), {codigo, descripcion});
}

void TestHost::addVendedor(const QString &codigo, const QString &nombre, bool esConductor)
{
    ownerExec(QStringLiteral("INSERT INTO Vendedores (Codigo, Nombre, esConductor) VALUES (?, ?, ?)"),
              {codigo, nombre, esConductor});
}

void TestHost::addCliente(const QString &codigo, const QString &nombre, const QString &zona,
                          const QString &vendedorAsignado)
{
    ownerExec(QStringLiteral("INSERT INTO clientes (codigo, nombre, Zona, VendedorAsignado) VALUES (?, ?, ?, ?)"),
              {codigo, nombre, zona, vendedorAsignado});
}

void TestHost::addItem(const QString &codigo, const QString &descripcion, double pesoUnitario, double volumenUnitario)
{
    ownerExec(QStringLiteral("INSERT INTO ItemsInventario (codigo, descripcion, peso, volumen) VALUES (?, ?, ?, ?)"),
              {codigo, descripcion, pesoUnitario, volumenUnitario});
}

qint32 TestHost::addFactura(const QString &serie, qint32 correlativo, const QString &codigoCliente,
                            const QString &nombreCliente, toolkit::Currency precioEfectivo, toolkit::Currency impuesto,
                            double tipocambio, const QDateTime &fechaTransaccion, bool despachada)
{
    ownerExec(QStringLiteral("INSERT INTO facturas (serie, correlativo, codigoCliente, NombreCliente, codigoVendedor, "
                             "FechaTransaccion, precioEfectivo, Impuesto1, tipocambio, Despachada) "
                             "VALUES (?, ?, ?, ?, COALESCE((SELECT VendedorAsignado FROM clientes WHERE codigo = ?), ''), "
                             "?, ?, ?, ?, ?)"),
              {serie, correlativo, codigoCliente, nombreCliente, codigoCliente, fechaTransaccion,
               QVariant::fromValue(precioEfectivo), QVariant::fromValue(impuesto), tipocambio, despachada});
    return lastIdentity();
}

qint32 TestHost::addFactura(const QString &serie, qint32 correlativo, const QString &codigoCliente,
                            const QString &nombreCliente, double precioEfectivo, double impuesto, double tipocambio,
                            const QDateTime &fechaTransaccion, bool despachada)
{
    return addFactura(serie, correlativo, codigoCliente, nombreCliente, toolkit::Currency::fromDouble(precioEfectivo),
                      toolkit::Currency::fromDouble(impuesto), tipocambio, fechaTransaccion, despachada);
}

void TestHost::addMovimiento(qint32 numeroFactura, const QString &codigoItem, double salidas, double entradas)
{
    const QString voucherSql = QStringLiteral(
        "SELECT numero FROM ComprobantesAlmacen WHERE TipoEntidadOrigen = 'FCT' AND numeroDocumentoOrigen = ?");
    QVariant voucher = owner().ReadScalarA(voucherSql, {numeroFactura});
    if (!voucher.isValid()) {
        ownerExec(QStringLiteral("INSERT INTO ComprobantesAlmacen (TipoEntidadOrigen, numeroDocumentoOrigen, fecha) "
                                 "SELECT 'FCT', numero, FechaTransaccion FROM facturas WHERE numero = ?"),
                  {numeroFactura});
        voucher = owner().ReadScalarA(voucherSql, {numeroFactura});
        if (!voucher.isValid())
            throw std::runtime_error("addMovimiento: no such invoice");
    }
    ownerExec(QStringLiteral("INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas, Entradas) VALUES (?, ?, ?, ?)"),
              {voucher, codigoItem, salidas, entradas});
}

void TestHost::addFacturas(qint32 first, qint32 last)
{
    ownerExec(QStringLiteral("INSERT INTO facturas (numero, serie, correlativo, codigoCliente, NombreCliente, FechaTransaccion) "
                             "WITH RECURSIVE n(i) AS (SELECT %1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                             "SELECT i, 'A', i, 'C', 'C', '2024-03-01' FROM n")
                  .arg(first)
                  .arg(last));
}

qint32 TestHost::addTipoVehiculo(const QString &nombre)
{
    ownerExec(QStringLiteral("INSERT INTO gdTiposVehiculo (nombre) VALUES (?)"), {nombre});
    return lastIdentity();
}

qint32 TestHost::addVehiculo(qint32 tipoVehiculo, const QString &placas, const QString &marca, const QString &modelo,
                             const QString &color, const QString &serialNIV, const QString &serialMotor, qint16 anho)
{
    ownerExec(QStringLiteral("INSERT INTO gdVehiculos (tipoVehiculo, placas, marca, color, serialNIV, serialMotor, anho, "
                             "modelo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              {tipoVehiculo, placas, marca, color, serialNIV, serialMotor, anho, modelo});
    return lastIdentity();
}

void TestHost::setCompany(double tipoCambio, const QString &mascaraMonetarios, const QString &mascaraPrecios,
                          const QString &mascaraCantidades)
{
    ownerExec(QStringLiteral("UPDATE Empresa SET tipoCambio = ?, MascaraMonetarios = ?, MascaraPrecios = ?, "
                             "MascaraCantidades = ? WHERE id = 1"),
              {tipoCambio, mascaraMonetarios, mascaraPrecios, mascaraCantidades});
}

void TestHost::setPrinterFolder(const QString &folder)
{
    marbelisto::DataTemplate(QStringLiteral(VONTARELIS_DATA_TEMPLATE)).copyInto(dataPath());
    ownerExec(QStringLiteral("DELETE FROM Configuracion WHERE UPPER(clave) = UPPER(?)"), {QStringLiteral("Impresora")});
    ownerExec(QStringLiteral("INSERT INTO Configuracion (clave, valor) VALUES (?, ?)"), {QStringLiteral("Impresora"), folder});
}

qint32 TestHost::lastIdentity()
{
    return toolkit::toLong(owner().ReadScalarA(QStringLiteral("SELECT SCOPE_IDENTITY()"), {}));
}

} // namespace testsupport
