#include "marbelisto/db/Schema.h"

#include "marbelisto/db/SpanishCollation.h"

#include <utility>

namespace marbelisto {

namespace {

// Money has four decimals, weights are double precision; dates are text on SQLite and
// timestamps on PostgreSQL.
// Names and descriptions that lists are sorted by compare as Spanish text.
const char *const tables[] = {
    "CREATE TABLE Empresa ("
    " id INTEGER NOT NULL PRIMARY KEY,"
    " nombre TEXT NOT NULL DEFAULT '',"
    " rif TEXT NOT NULL DEFAULT '',"
    " direccion TEXT NOT NULL DEFAULT '',"
    " telefono TEXT NOT NULL DEFAULT '',"
    " tipoCambio $REAL NOT NULL DEFAULT 1,"
    " MascaraMonetarios TEXT NOT NULL DEFAULT '#,##0.00',"
    " MascaraPrecios TEXT NOT NULL DEFAULT '#,##0.00',"
    " MascaraCantidades TEXT NOT NULL DEFAULT '#,##0.00')",

    // Host settings by key, such as the print format chosen for a kind of document.
    "CREATE TABLE Configuracion ("
    " clave TEXT NOT NULL PRIMARY KEY,"
    " valor TEXT NOT NULL DEFAULT '')$KEYED",

    "CREATE TABLE Zonas ("
    " Codigo TEXT NOT NULL PRIMARY KEY,"
    " Descripcion $SPANISHTEXT NOT NULL)$KEYED",

    "CREATE TABLE Vendedores ("
    " Codigo TEXT NOT NULL PRIMARY KEY,"
    " Nombre $SPANISHTEXT NOT NULL,"
    " telefono TEXT NOT NULL DEFAULT '',"
    " esConductor INTEGER NOT NULL DEFAULT 0)$KEYED",

    "CREATE TABLE clientes ("
    " codigo TEXT NOT NULL PRIMARY KEY,"
    " nombre $SPANISHTEXT NOT NULL,"
    " rif TEXT NOT NULL DEFAULT '',"
    " direccion TEXT NOT NULL DEFAULT '',"
    " telefono TEXT NOT NULL DEFAULT '',"
    " Zona TEXT NOT NULL DEFAULT '',"
    " VendedorAsignado TEXT NOT NULL DEFAULT '')$KEYED",

    "CREATE TABLE ItemsInventario ("
    " codigo TEXT NOT NULL PRIMARY KEY,"
    " descripcion $SPANISHTEXT NOT NULL,"
    " unidad TEXT NOT NULL DEFAULT 'UND',"
    " peso $REAL NOT NULL DEFAULT 0,"
    " precio $MONEY NOT NULL DEFAULT 0)$KEYED",

    "CREATE TABLE facturas ("
    " numero $ROWKEY,"
    " serie TEXT NOT NULL,"
    " correlativo INTEGER NOT NULL,"
    " codigoCliente TEXT NOT NULL,"
    " NombreCliente TEXT NOT NULL,"
    " codigoVendedor TEXT NOT NULL DEFAULT '',"
    " FechaTransaccion $DATETIME NOT NULL,"
    " precioEfectivo $MONEY NOT NULL DEFAULT 0,"
    " Impuesto1 $MONEY NOT NULL DEFAULT 0,"
    " tipocambio $REAL NOT NULL DEFAULT 0,"
    " Despachada INTEGER NOT NULL DEFAULT 0,"
    " UNIQUE (serie, correlativo))",

    "CREATE TABLE ComprobantesAlmacen ("
    " numero $ROWKEY,"
    " TipoEntidadOrigen TEXT NOT NULL,"
    " numeroDocumentoOrigen INTEGER NOT NULL,"
    " fecha $DATETIME NOT NULL,"
    " concepto TEXT NOT NULL DEFAULT '')",

    "CREATE TABLE detallesMINV ("
    " id $ROWKEY,"
    " numeroDocumento INTEGER NOT NULL,"
    " codigoItem TEXT NOT NULL,"
    " Salidas $REAL NOT NULL DEFAULT 0,"
    " Entradas $REAL NOT NULL DEFAULT 0)",

    "CREATE TABLE gdTiposVehiculo ("
    " id $IDENTITY,"
    " nombre $SPANISHTEXT NOT NULL,"
    " capacidadKg $REAL)",

    "CREATE TABLE gdVehiculos ("
    " id $IDENTITY,"
    " tipoVehiculo INTEGER NOT NULL,"
    " placas TEXT NOT NULL,"
    " marca TEXT NOT NULL DEFAULT '',"
    " color TEXT NOT NULL DEFAULT '',"
    " serialNIV TEXT NOT NULL DEFAULT '',"
    " serialMotor TEXT NOT NULL DEFAULT '',"
    " anho SMALLINT NOT NULL DEFAULT 0,"
    " modelo TEXT NOT NULL DEFAULT '')",

    // Every column is read without a test for NULL, so none may hold one.
    "CREATE TABLE gdVontarelis ("
    " id $IDENTITY,"
    " conductor TEXT NOT NULL,"
    " idVehiculo INTEGER NOT NULL,"
    " fecha $DATETIME NOT NULL,"
    " horaRegistro $DATETIME NOT NULL DEFAULT $NOW,"
    " operador TEXT NOT NULL,"
    " facturas SMALLINT NOT NULL,"
    " totalPeso $REAL NOT NULL,"
    " totalPrecioVenta $MONEY NOT NULL,"
    " totalIVA $MONEY NOT NULL,"
    " vendedor TEXT NOT NULL,"
    " zona TEXT NOT NULL,"
    " Cerrada INTEGER NOT NULL DEFAULT 0)",

    "CREATE TABLE gdFacturasGuia ("
    " idGuia INTEGER NOT NULL,"
    " NumeroFactura INTEGER NOT NULL,"
    " PRIMARY KEY (idGuia, NumeroFactura))$KEYED",
};

const char *const indexes[] = {
    // The invoices open for dispatch, oldest first: the index gives the order of the list.
    "CREATE INDEX ix_facturas_despacho ON facturas (Despachada, FechaTransaccion, numero)",
    "CREATE INDEX ix_facturas_cliente ON facturas (codigoCliente)",
    "CREATE INDEX ix_clientes_Zona ON clientes (Zona)",
    "CREATE INDEX ix_clientes_VendedorAsignado ON clientes (VendedorAsignado)",
    "CREATE INDEX ix_ComprobantesAlmacen_origen ON ComprobantesAlmacen (TipoEntidadOrigen, numeroDocumentoOrigen)",
    "CREATE INDEX ix_detallesMINV_documento ON detallesMINV (numeroDocumento, codigoItem, Salidas, Entradas)",
    // An invoice travels on one guide only, even when two users tick it at the same moment.
    "CREATE UNIQUE INDEX ux_gdFacturasGuia_NumeroFactura ON gdFacturasGuia (NumeroFactura)",
    "CREATE UNIQUE INDEX ux_gdVehiculos_placas ON gdVehiculos (placas)",
};

} // namespace

Schema Schema::sqlite()
{
    return Schema(Types{
        .identity = QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"),
        .rowKey = QStringLiteral("INTEGER PRIMARY KEY"),
        .money = QStringLiteral("MONEY"),
        .dateTime = QStringLiteral("DATETIME"),
        .now = QStringLiteral("(datetime('now','localtime'))"),
        .real = QStringLiteral("REAL"),
        .spanishText = QStringLiteral("TEXT COLLATE ") + QLatin1String(SpanishCollation::Name),
        // Inserting into a table without rowid leaves the connection's last identity alone.
        .keyedTable = QStringLiteral(" WITHOUT ROWID"),
    });
}

Schema Schema::postgres()
{
    return Schema(Types{
        .identity = QStringLiteral("INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"),
        // A sequence that is no identity: SCOPE_IDENTITY sees it, IDENT_CURRENT does not.
        .rowKey = QStringLiteral("SERIAL PRIMARY KEY"),
        .money = QStringLiteral("NUMERIC(19,4)"),
        .dateTime = QStringLiteral("TIMESTAMP(3)"),
        .now = QStringLiteral("LOCALTIMESTAMP(0)"),
        .real = QStringLiteral("DOUBLE PRECISION"),
        .spanishText = QStringLiteral("TEXT COLLATE espanol_ci"),
        .keyedTable = QString(),
    });
}

Schema::Schema(Types types) : m_types(std::move(types)) {}

QStringList Schema::statements() const
{
    QStringList result;
    for (const char *table : tables)
        result.append(spelled(QString::fromUtf8(table)));
    for (const char *index : indexes)
        result.append(QString::fromUtf8(index));
    return result;
}

QString Schema::spelled(const QString &statement) const
{
    return QString(statement)
        .replace(QLatin1String("$IDENTITY"), m_types.identity)
        .replace(QLatin1String("$ROWKEY"), m_types.rowKey)
        .replace(QLatin1String("$MONEY"), m_types.money)
        .replace(QLatin1String("$DATETIME"), m_types.dateTime)
        .replace(QLatin1String("$NOW"), m_types.now)
        .replace(QLatin1String("$REAL"), m_types.real)
        .replace(QLatin1String("$SPANISHTEXT"), m_types.spanishText)
        .replace(QLatin1String("$KEYED"), m_types.keyedTable);
}

} // namespace marbelisto
