#pragma once

#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"
#include "support/TestDatabase.h"
#include "toolkit/Currency.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>

namespace testsupport {

// A host over a temporary data folder with a fresh database of the engine under test (see
// TestDatabase: SQLite in the folder, or a database of its own on the PostgreSQL test server) that holds the whole
// schema and a company row (rate 1, masks "#,##0.00"). The framework is a workstation's session
// (on PostgreSQL the workstations' role, which only reads the host's tables); the seeding helpers
// write the host's own tables as their owner does; exec and scalar run on the workstation's
// session, ownerExec as the owner.
class TestHost
{
public:
    explicit TestHost(const QString &userCode = QStringLiteral("OPERADOR"));
    ~TestHost();
    TestHost(const TestHost &) = delete;
    TestHost &operator=(const TestHost &) = delete;

    host::IFramework &framework() { return *m_framework; }
    // Ends with '/'.
    QString dataPath() const { return m_framework->DataPath(); }
    // Another session on the same database, as a second workstation has.
    std::unique_ptr<marbelisto::Framework> openSecondConnection() const
    {
        return std::make_unique<marbelisto::Framework>(openDatabase(), marbelisto::DataFolder(dataPath()), m_userCode);
    }
    std::unique_ptr<marbelisto::Database> openDatabase() const { return databaseSource().open(); }
    const marbelisto::DatabaseSource &databaseSource() const { return m_database->workstationSource(); }
    const marbelisto::DatabaseSource &ownerSource() const { return m_database->source(); }

    void exec(const QString &sql, const QVariantList &params = {}) { m_framework->ExecuteSQLA(sql, params); }
    void ownerExec(const QString &sql, const QVariantList &params = {}) { owner().ExecuteSQLA(sql, params); }
    QVariant scalar(const QString &sql, const QVariantList &params = {}) { return m_framework->ReadScalarA(sql, params); }

    void addZona(const QString &codigo, const QString &descripcion);
    void addVendedor(const QString &codigo, const QString &nombre, bool esConductor = false);
    void addCliente(const QString &codigo, const QString &nombre, const QString &zona,
                    const QString &vendedorAsignado);
    void addItem(const QString &codigo, const QString &descripcion, double pesoUnitario, double volumenUnitario = 0.0);
    // The invoice's codigoVendedor is its customer's assigned salesperson (empty for an
    // unknown customer). Returns the invoice's numero.
    qint32 addFactura(const QString &serie, qint32 correlativo, const QString &codigoCliente,
                      const QString &nombreCliente, toolkit::Currency precioEfectivo, toolkit::Currency impuesto,
                      double tipocambio, const QDateTime &fechaTransaccion, bool despachada = false);
    qint32 addFactura(const QString &serie, qint32 correlativo, const QString &codigoCliente,
                      const QString &nombreCliente, double precioEfectivo, double impuesto, double tipocambio,
                      const QDateTime &fechaTransaccion, bool despachada = false);
    // Invoices numbered first to last, for tests that only link them.
    void addFacturas(qint32 first, qint32 last);
    // One movement line on the invoice's "FCT" warehouse voucher, made on first use.
    void addMovimiento(qint32 numeroFactura, const QString &codigoItem, double salidas, double entradas = 0.0);
    qint32 addTipoVehiculo(const QString &nombre);
    qint32 addVehiculo(qint32 tipoVehiculo, const QString &placas, const QString &marca = QString(),
                       const QString &modelo = QString(), const QString &color = QString(),
                       const QString &serialNIV = QString(), const QString &serialMotor = QString(),
                       qint16 anho = 0);
    void setCompany(double tipoCambio, const QString &mascaraMonetarios = QStringLiteral("#,##0.00"),
                    const QString &mascaraPrecios = QStringLiteral("#,##0.00"),
                    const QString &mascaraCantidades = QStringLiteral("#,##0.00"));
    // The host's printer setting names this folder: every print, interactive or not, becomes
    // a PDF file there and nothing modal opens. The data folder receives the shipped print
    // formats and report definitions, as "init" gives them to a new data folder.
    void setPrinterFolder(const QString &folder);

    // The tables' owner's session: on SQLite the framework itself.
    marbelisto::Framework &owner() { return m_owner ? *m_owner : *m_framework; }

private:
    qint32 lastIdentity();

    QTemporaryDir m_folder;
    QString m_userCode;
    std::unique_ptr<TestDatabase> m_database;
    // On PostgreSQL only: a file has no roles, and one session keeps its locks simple.
    std::unique_ptr<marbelisto::Framework> m_owner;
    std::unique_ptr<marbelisto::Framework> m_framework;
};

} // namespace testsupport
