#include "marbelisto/db/Schema.h"

#include "marbelisto/db/ReturnsVolumeSchema.h"
#include "marbelisto/db/SpanishCollation.h"

#include <QRegularExpression>

#include <cstddef>
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
    " VendedorAsignado TEXT NOT NULL DEFAULT '',"
    // The customer's place on its zone's delivery route; NULL: none, visited after those with one.
    " ordenRuta INTEGER)$KEYED",

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
    " capacidadKg $REAL,"
    " CONSTRAINT gd_tipo_capacidad CHECK (capacidadKg > 0))",

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

    // The figures recorded at registration (facturas to totalIVA) are never rewritten; a review
    // stores those of the invoices that travelled in the columns ending in "Despacho", NULL
    // until the guide is first reviewed; each review also counts one more version, so that it
    // never overwrites another desk's. Every other column is read without a test for NULL.
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
    " Cerrada INTEGER NOT NULL DEFAULT 0,"
    " facturasDespacho INTEGER,"
    " totalPesoDespacho $REAL,"
    " totalPrecioVentaDespacho $MONEY,"
    " totalIVADespacho $MONEY,"
    " version INTEGER NOT NULL DEFAULT 0,"
    " CONSTRAINT gd_guia_cifras CHECK ($FIGURES))",

    "CREATE TABLE gdFacturasGuia ("
    " idGuia INTEGER NOT NULL,"
    " NumeroFactura INTEGER NOT NULL,"
    // The invoice's stop in the guide's delivery order, shared by a customer's invoices.
    " Parada INTEGER,"
    " PRIMARY KEY (idGuia, NumeroFactura),"
    " CONSTRAINT gd_enlace_guia FOREIGN KEY (idGuia) REFERENCES gdVontarelis (id),"
    " CONSTRAINT gd_enlace_factura FOREIGN KEY (NumeroFactura) REFERENCES facturas (numero))$KEYED",
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

// A guide's counts, weights and money; a figure a review has not written yet (NULL) passes.
const char *const guideFigures =
    "facturas >= 0 AND totalPeso >= 0 AND totalPrecioVenta >= 0 AND totalIVA >= 0"
    " AND facturasDespacho >= 0 AND totalPesoDespacho >= 0 AND totalPrecioVentaDespacho >= 0"
    " AND totalIVADespacho >= 0";

// The rows of an older database that the constraints below would refuse, one text each.
const char *const brokenRules =
    "SELECT 'enlace de la guía ' || idGuia || ' a la factura ' || NumeroFactura || ': la guía no existe'"
    " FROM gdFacturasGuia WHERE idGuia NOT IN (SELECT id FROM gdVontarelis)"
    " UNION ALL SELECT 'enlace de la guía ' || idGuia || ' a la factura ' || NumeroFactura || ': la factura no existe'"
    " FROM gdFacturasGuia WHERE NumeroFactura NOT IN (SELECT numero FROM facturas)"
    " UNION ALL SELECT 'guía ' || id || ': cifras negativas' FROM gdVontarelis WHERE NOT ($FIGURES)"
    " UNION ALL SELECT 'tipo de vehículo ' || id || ': capacidad no positiva' FROM gdTiposVehiculo"
    " WHERE capacidadKg <= 0";

// SQLite adds no constraint to a table that exists, and checks foreign keys only on connections
// that switch them on (its own shell does not): every file gets triggers that refuse the same
// rows, rather than a rebuild of an older file's tables whose rows carry the guide numbers.
const char *const sqliteConstraints[] = {
    "CREATE TRIGGER IF NOT EXISTS gd_regla_enlace_nuevo BEFORE INSERT ON gdFacturasGuia"
    " WHEN NOT EXISTS (SELECT 1 FROM gdVontarelis WHERE id = NEW.idGuia)"
    " OR NOT EXISTS (SELECT 1 FROM facturas WHERE numero = NEW.NumeroFactura)"
    " BEGIN SELECT RAISE(ABORT, '$MISSING'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_enlace_cambiado BEFORE UPDATE ON gdFacturasGuia"
    " WHEN NOT EXISTS (SELECT 1 FROM gdVontarelis WHERE id = NEW.idGuia)"
    " OR NOT EXISTS (SELECT 1 FROM facturas WHERE numero = NEW.NumeroFactura)"
    " BEGIN SELECT RAISE(ABORT, '$MISSING'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_guia_quitada BEFORE DELETE ON gdVontarelis"
    " WHEN EXISTS (SELECT 1 FROM gdFacturasGuia WHERE idGuia = OLD.id)"
    " BEGIN SELECT RAISE(ABORT, '$LINKED'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_guia_renumerada BEFORE UPDATE OF id ON gdVontarelis"
    " WHEN NEW.id <> OLD.id AND EXISTS (SELECT 1 FROM gdFacturasGuia WHERE idGuia = OLD.id)"
    " BEGIN SELECT RAISE(ABORT, '$LINKED'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_factura_quitada BEFORE DELETE ON facturas"
    " WHEN EXISTS (SELECT 1 FROM gdFacturasGuia WHERE NumeroFactura = OLD.numero)"
    " BEGIN SELECT RAISE(ABORT, '$LINKED'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_factura_renumerada BEFORE UPDATE OF numero ON facturas"
    " WHEN NEW.numero <> OLD.numero AND EXISTS (SELECT 1 FROM gdFacturasGuia WHERE NumeroFactura = OLD.numero)"
    " BEGIN SELECT RAISE(ABORT, '$LINKED'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_cifras_nuevas BEFORE INSERT ON gdVontarelis"
    " WHEN NOT ($NEWFIGURES) BEGIN SELECT RAISE(ABORT, '$NEGATIVE'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_cifras_cambiadas BEFORE UPDATE ON gdVontarelis"
    " WHEN NOT ($NEWFIGURES) BEGIN SELECT RAISE(ABORT, '$NEGATIVE'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_regla_capacidad_nueva BEFORE INSERT ON gdTiposVehiculo"
    " WHEN NEW.capacidadKg <= 0 BEGIN SELECT RAISE(ABORT, '$CAPACITY'); END",
    // Created last: an older database that has it has them all.
    "CREATE TRIGGER IF NOT EXISTS gd_regla_capacidad_cambiada BEFORE UPDATE ON gdTiposVehiculo"
    " WHEN NEW.capacidadKg <= 0 BEGIN SELECT RAISE(ABORT, '$CAPACITY'); END",
};

const char *const postgresConstraints[] = {
    "ALTER TABLE gdVontarelis ADD CONSTRAINT gd_guia_cifras CHECK ($FIGURES)",
    "ALTER TABLE gdTiposVehiculo ADD CONSTRAINT gd_tipo_capacidad CHECK (capacidadKg > 0)",
    "ALTER TABLE gdFacturasGuia ADD CONSTRAINT gd_enlace_guia FOREIGN KEY (idGuia) REFERENCES gdVontarelis (id)",
    // Added last: an older database that has it has them all.
    "ALTER TABLE gdFacturasGuia ADD CONSTRAINT gd_enlace_factura FOREIGN KEY (NumeroFactura) REFERENCES facturas (numero)",
};

template<std::size_t N>
QStringList constraintStatements(const char *const (&statements)[N])
{
    static const QRegularExpression figure(QStringLiteral("\\b(\\w+) >="));
    const QString figures = QString::fromUtf8(guideFigures);
    const QString newFigures = QString(figures).replace(figure, QStringLiteral("NEW.\\1 >="));
    QStringList result;
    for (const char *statement : statements)
        result.append(QString::fromUtf8(statement)
                          .replace(QLatin1String("$NEWFIGURES"), newFigures)
                          .replace(QLatin1String("$FIGURES"), figures)
                          .replace(QLatin1String("$MISSING"), QStringLiteral("Enlace a una guía o una factura que no existe"))
                          .replace(QLatin1String("$LINKED"), QStringLiteral("La guía o la factura tiene enlaces"))
                          .replace(QLatin1String("$NEGATIVE"), QStringLiteral("Una guía no admite cifras negativas"))
                          .replace(QLatin1String("$CAPACITY"), QStringLiteral("La capacidad de un tipo de vehículo debe ser positiva")));
    return result;
}

QString brokenRulesQuery()
{
    return QString::fromUtf8(brokenRules).replace(QLatin1String("$FIGURES"), QString::fromUtf8(guideFigures));
}

// What the engine says when a statement meets a closed guide; each rule writes it as $REFUSAL.
const char *const closedGuideRefusal = "Guía cerrada: no admite cambios en sus facturas ni en sus cifras";

// A closed guide stays as it was closed, whatever program writes: none of its links is added,
// changed or removed, and its row is neither changed nor deleted. Closing (Cerrada 0 -> 1) is
// the last change a guide takes.
const char *const sqliteClosedGuide[] = {
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_enlace_nuevo BEFORE INSERT ON gdFacturasGuia"
    " WHEN EXISTS (SELECT 1 FROM gdVontarelis WHERE id = NEW.idGuia AND Cerrada <> 0)"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_enlace_cambiado BEFORE UPDATE ON gdFacturasGuia"
    " WHEN EXISTS (SELECT 1 FROM gdVontarelis WHERE id IN (OLD.idGuia, NEW.idGuia) AND Cerrada <> 0)"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_enlace_quitado BEFORE DELETE ON gdFacturasGuia"
    " WHEN EXISTS (SELECT 1 FROM gdVontarelis WHERE id = OLD.idGuia AND Cerrada <> 0)"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_cambiada BEFORE UPDATE ON gdVontarelis"
    " WHEN OLD.Cerrada <> 0"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
    // Created last: an older database that has it has them all.
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_borrada BEFORE DELETE ON gdVontarelis"
    " WHEN OLD.Cerrada <> 0"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
};

// Nor are the returns its reviews recorded added, changed or removed: the review that closes a
// guide writes them before it closes it.
const char *const sqliteClosedGuideReturns[] = {
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_devolucion_nueva BEFORE INSERT ON gdDevolucionesGuia"
    " WHEN EXISTS (SELECT 1 FROM gdVontarelis WHERE id = NEW.idGuia AND Cerrada <> 0)"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_devolucion_cambiada BEFORE UPDATE ON gdDevolucionesGuia"
    " WHEN EXISTS (SELECT 1 FROM gdVontarelis WHERE id IN (OLD.idGuia, NEW.idGuia) AND Cerrada <> 0)"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
    // Created last: an older database that has it has them all.
    "CREATE TRIGGER IF NOT EXISTS gd_guia_cerrada_devolucion_quitada BEFORE DELETE ON gdDevolucionesGuia"
    " WHEN EXISTS (SELECT 1 FROM gdVontarelis WHERE id = OLD.idGuia AND Cerrada <> 0)"
    " BEGIN SELECT RAISE(ABORT, '$REFUSAL'); END",
};

// Under READ COMMITTED a link's check waits, row-locked, for a close still in flight and then
// sees it, so that no link slips onto a guide closed at the same moment.
const char *const postgresClosedGuide[] = {
    "CREATE OR REPLACE FUNCTION gd_guia_cerrada_enlace() RETURNS trigger LANGUAGE plpgsql AS $$\n"
    "DECLARE estado integer;\n"
    "BEGIN\n"
    "  IF TG_OP <> 'INSERT' THEN\n"
    "    SELECT g.Cerrada INTO estado FROM dbo.gdVontarelis g WHERE g.id = OLD.idGuia FOR SHARE;\n"
    "    IF estado <> 0 THEN RAISE EXCEPTION '$REFUSAL'; END IF;\n"
    "  END IF;\n"
    "  IF TG_OP = 'DELETE' THEN RETURN OLD; END IF;\n"
    "  SELECT g.Cerrada INTO estado FROM dbo.gdVontarelis g WHERE g.id = NEW.idGuia FOR SHARE;\n"
    "  IF estado <> 0 THEN RAISE EXCEPTION '$REFUSAL'; END IF;\n"
    "  RETURN NEW;\n"
    "END $$",
    "CREATE OR REPLACE FUNCTION gd_guia_cerrada() RETURNS trigger LANGUAGE plpgsql AS $$\n"
    "BEGIN\n"
    "  RAISE EXCEPTION '$REFUSAL';\n"
    "END $$",
    "CREATE OR REPLACE TRIGGER gd_guia_cerrada BEFORE UPDATE OR DELETE ON gdVontarelis"
    " FOR EACH ROW WHEN (OLD.Cerrada <> 0) EXECUTE FUNCTION gd_guia_cerrada()",
    // Created last: an older database that has it has them all.
    "CREATE OR REPLACE TRIGGER gd_guia_cerrada_enlace BEFORE INSERT OR UPDATE OR DELETE ON gdFacturasGuia"
    " FOR EACH ROW EXECUTE FUNCTION gd_guia_cerrada_enlace()",
};

// A return names its guide as a link does, so the links' check serves it.
const char *const postgresClosedGuideReturns[] = {
    "CREATE OR REPLACE TRIGGER gd_guia_cerrada_devolucion BEFORE INSERT OR UPDATE OR DELETE ON gdDevolucionesGuia"
    " FOR EACH ROW EXECUTE FUNCTION gd_guia_cerrada_enlace()",
};

// Every desk's main window listens on this channel: the server tells it when a guide is
// registered, reviewed or closed. A statement-level trigger with an empty payload sends one
// notice per transaction, however many invoices the guide links.
const char *const postgresChangeNotice[] = {
    "CREATE OR REPLACE FUNCTION gd_aviso_guias() RETURNS trigger LANGUAGE plpgsql AS $$\n"
    "BEGIN\n"
    "  PERFORM pg_notify('$CHANNEL', '');\n"
    "  RETURN NULL;\n"
    "END $$",
    "CREATE OR REPLACE TRIGGER gd_aviso_guias AFTER INSERT OR UPDATE OR DELETE ON gdVontarelis"
    " FOR EACH STATEMENT EXECUTE FUNCTION gd_aviso_guias()",
    // Created last: an older database that has it has them all.
    "CREATE OR REPLACE TRIGGER gd_aviso_enlaces AFTER INSERT OR UPDATE OR DELETE ON gdFacturasGuia"
    " FOR EACH STATEMENT EXECUTE FUNCTION gd_aviso_guias()",
};

QStringList postgresChangeNoticeRules()
{
    QStringList result;
    for (const char *statement : postgresChangeNotice)
        result.append(
            QString::fromUtf8(statement).replace(QLatin1String("$CHANNEL"), QLatin1String(Schema::ChangeChannel)));
    return result;
}

template<std::size_t N>
QStringList withRefusal(const char *const (&statements)[N])
{
    QStringList result;
    for (const char *statement : statements)
        result.append(QString::fromUtf8(statement).replace(QLatin1String("$REFUSAL"), QString::fromUtf8(closedGuideRefusal)));
    return result;
}

// The component's tables and their sequences are the ones named gd*; every other table is the
// host's. Run after each upgrade, so that a table added later is granted as well.
const char *const postgresWorkstationAccess[] = {
    "DO $$ BEGIN\n"
    "  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = '$ROLE') THEN\n"
    "    CREATE ROLE $ROLE NOLOGIN;\n"
    "  END IF;\n"
    // Two databases of one server made at the same moment.
    "EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL;\n"
    "END $$",
    "GRANT USAGE ON SCHEMA dbo TO $ROLE",
    // Older servers let everyone create in public; temporary tables are objects too.
    "REVOKE CREATE ON SCHEMA public FROM PUBLIC",
    "DO $$ BEGIN\n"
    "  EXECUTE format('REVOKE TEMPORARY ON DATABASE %I FROM PUBLIC', current_database());\n"
    "END $$",
    "DO $$ DECLARE t record; BEGIN\n"
    "  FOR t IN SELECT c.relname, c.relkind FROM pg_class c\n"
    "           WHERE c.relnamespace = 'dbo'::regnamespace AND c.relkind IN ('r', 'v', 'S') LOOP\n"
    "    IF t.relkind = 'S' AND t.relname LIKE 'gd%' THEN\n"
    "      EXECUTE format('GRANT USAGE, SELECT, UPDATE ON SEQUENCE dbo.%I TO $ROLE', t.relname);\n"
    "    ELSIF t.relname LIKE 'gd%' THEN\n"
    "      EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE ON dbo.%I TO $ROLE', t.relname);\n"
    "    ELSIF t.relkind <> 'S' THEN\n"
    "      EXECUTE format('GRANT SELECT ON dbo.%I TO $ROLE', t.relname);\n"
    "    END IF;\n"
    "  END LOOP;\n"
    "END $$",
};

// 1 once the role exists and may use every table as above.
const char *const postgresWorkstationAccessPresent =
    "SELECT CASE WHEN NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = '$ROLE') THEN 0\n"
    "  WHEN EXISTS (SELECT 1 FROM pg_class c WHERE c.relnamespace = 'dbo'::regnamespace AND c.relkind = 'r'\n"
    "    AND NOT has_table_privilege('$ROLE', c.oid, CASE WHEN c.relname LIKE 'gd%' THEN 'DELETE' ELSE 'SELECT' END))\n"
    "  THEN 0 ELSE 1 END";

QString withWorkstationRole(const char *statement)
{
    return QString::fromUtf8(statement).replace(QLatin1String("$ROLE"), QLatin1String(Schema::WorkstationRole));
}

QStringList postgresWorkstationAccessStatements()
{
    QStringList result;
    for (const char *statement : postgresWorkstationAccess)
        result.append(withWorkstationRole(statement));
    return result;
}

// A PostgreSQL sequence never gives a number back, so a registration that rolls back would leave
// a gap among guide numbers printed for the authorities. Each identity table takes its next number
// from its row of gdNumeracion instead, locked from the insert until the transaction ends: a
// rollback, a lost connection or a killed program returns the number, and another desk waits for
// that commit only. A key given in the insert moves the counter past it.
const char *const postgresNumbering[] = {
    "CREATE TABLE IF NOT EXISTS gdNumeracion (tabla TEXT PRIMARY KEY, ultimo BIGINT NOT NULL)",
    // SCOPE_IDENTITY answers lastval(): the number also passes through the table's own sequence,
    // which only this trigger touches, under the counter's lock.
    "CREATE OR REPLACE FUNCTION gd_numerar() RETURNS trigger LANGUAGE plpgsql AS $$\n"
    "DECLARE numero bigint; secuencia regclass;\n"
    "BEGIN\n"
    "  IF NEW.id IS NULL THEN\n"
    "    UPDATE dbo.gdNumeracion SET ultimo = ultimo + 1 WHERE tabla = TG_TABLE_NAME RETURNING ultimo INTO numero;\n"
    "    NEW.id := numero;\n"
    "  ELSE\n"
    "    UPDATE dbo.gdNumeracion SET ultimo = GREATEST(ultimo, NEW.id) WHERE tabla = TG_TABLE_NAME;\n"
    "  END IF;\n"
    "  secuencia := format('%I.%I', TG_TABLE_SCHEMA, TG_TABLE_NAME || '_numero')::regclass;\n"
    "  PERFORM setval(secuencia, NEW.id, false);\n"
    "  PERFORM nextval(secuencia);\n"
    "  RETURN NEW;\n"
    "END $$",
    // SQL Server's answer before the first insert is the seed, 1; a table without identity gives NULL.
    "CREATE OR REPLACE FUNCTION IDENT_CURRENT(tabla text) RETURNS bigint LANGUAGE sql STABLE AS $$\n"
    "  SELECT GREATEST(n.ultimo, 1) FROM dbo.gdNumeracion n JOIN pg_class c ON c.relname = n.tabla\n"
    "  WHERE c.oid = to_regclass($1)\n"
    "$$",
};

// The same steps for each identity table; a table of an older database drops the identity that
// numbered it and goes on after its highest key.
const char *const postgresNumberedTable[] = {
    "DO $$ BEGIN\n"
    "  IF EXISTS (SELECT 1 FROM pg_attribute WHERE attrelid = '$TABLE'::regclass AND attname = 'id'\n"
    "             AND attidentity <> '') THEN\n"
    "    ALTER TABLE $TABLE ALTER COLUMN id DROP IDENTITY;\n"
    "  END IF;\n"
    "END $$",
    // Any key an insert may give, zero and below included, passes through it.
    "CREATE SEQUENCE IF NOT EXISTS $TABLE_numero AS integer MINVALUE -2147483648",
    "INSERT INTO gdNumeracion (tabla, ultimo) SELECT '$TABLE', COALESCE(MAX(id), 0) FROM $TABLE "
    "ON CONFLICT (tabla) DO NOTHING",
    "CREATE OR REPLACE TRIGGER gd_numerar BEFORE INSERT ON $TABLE FOR EACH ROW EXECUTE FUNCTION gd_numerar()",
};

// The tables whose key is declared $IDENTITY, by their lower-case name, the last one last.
QStringList identityTables()
{
    static const QRegularExpression name(QStringLiteral("^CREATE TABLE (\\w+) \\( id \\$IDENTITY,"));
    QStringList result;
    for (const char *table : tables) {
        const QRegularExpressionMatch match = name.match(QString::fromUtf8(table));
        if (match.hasMatch())
            result.append(match.captured(1).toLower());
    }
    return result;
}

QStringList postgresNumberingStatements()
{
    QStringList result;
    for (const char *statement : postgresNumbering)
        result.append(QString::fromUtf8(statement));
    for (const QString &table : identityTables()) {
        for (const char *statement : postgresNumberedTable)
            result.append(QString::fromUtf8(statement).replace(QLatin1String("$TABLE"), table));
    }
    return result;
}

} // namespace

Schema Schema::forDriver(const QString &driverName)
{
    return driverName == QLatin1String("QPSQL") ? postgres() : sqlite();
}

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
        .constraints = {constraintStatements(sqliteConstraints),
                        QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger' "
                                       "AND name = 'gd_regla_capacidad_cambiada'"),
                        brokenRulesQuery()},
        .enforcesDeclaredConstraints = false,
        .closedGuide = {withRefusal(sqliteClosedGuide),
                        QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger' "
                                       "AND name = 'gd_guia_cerrada_borrada'")},
        .closedGuideReturns = {withRefusal(sqliteClosedGuideReturns),
                               QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger' "
                                              "AND name = 'gd_guia_cerrada_devolucion_quitada'")},
        // AUTOINCREMENT counts in sqlite_sequence, inside the transaction: a rollback gives the number back.
        .numbering = {},
        // A file notifies nobody: the other desks look at its data version.
        .changeNotice = {},
        // A file's readers are whoever the system lets open it.
        .workstationAccess = {},
    });
}

Schema Schema::postgres()
{
    return Schema(Types{
        // Numbered by gd_numerar (see postgresNumbering).
        .identity = QStringLiteral("INTEGER PRIMARY KEY"),
        // A sequence that is no identity: SCOPE_IDENTITY sees it, IDENT_CURRENT does not.
        .rowKey = QStringLiteral("SERIAL PRIMARY KEY"),
        .money = QStringLiteral("NUMERIC(19,4)"),
        .dateTime = QStringLiteral("TIMESTAMP(3)"),
        .now = QStringLiteral("LOCALTIMESTAMP(0)"),
        .real = QStringLiteral("DOUBLE PRECISION"),
        .spanishText = QStringLiteral("TEXT COLLATE espanol_ci"),
        .keyedTable = QString(),
        .constraints = {constraintStatements(postgresConstraints),
                        QStringLiteral("SELECT COUNT(*) FROM pg_constraint WHERE conrelid = 'gdfacturasguia'::regclass "
                                       "AND conname = 'gd_enlace_factura'"),
                        brokenRulesQuery()},
        .enforcesDeclaredConstraints = true,
        // A function that names its tables without their schema counts as missing.
        .closedGuide = {withRefusal(postgresClosedGuide),
                        QStringLiteral("SELECT COUNT(*) FROM pg_trigger t JOIN pg_proc p ON p.oid = t.tgfoid "
                                       "WHERE t.tgrelid = 'gdfacturasguia'::regclass AND t.tgname = 'gd_guia_cerrada_enlace' "
                                       "AND p.prosrc LIKE '%dbo.gdVontarelis%'")},
        .closedGuideReturns = {withRefusal(postgresClosedGuideReturns),
                               QStringLiteral("SELECT COUNT(*) FROM pg_trigger WHERE tgrelid = 'gddevolucionesguia'::regclass "
                                              "AND tgname = 'gd_guia_cerrada_devolucion'")},
        .numbering = {postgresNumberingStatements(),
                      QStringLiteral("SELECT COUNT(*) FROM pg_trigger WHERE tgrelid = '%1'::regclass "
                                     "AND tgname = 'gd_numerar'")
                          .arg(identityTables().constLast())},
        .changeNotice = {postgresChangeNoticeRules(),
                         QStringLiteral("SELECT COUNT(*) FROM pg_trigger WHERE tgrelid = 'gdfacturasguia'::regclass "
                                        "AND tgname = 'gd_aviso_enlaces'")},
        .workstationAccess = {postgresWorkstationAccessStatements(),
                              withWorkstationRole(postgresWorkstationAccessPresent)},
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
    for (const ReturnsVolumeSchema::AddedTable &table : ReturnsVolumeSchema::tables())
        result.append(spelled(QString::fromLatin1(table.statement)));
    // Added to tables written above, as an older database gains them.
    for (const ReturnsVolumeSchema::AddedColumn &added : ReturnsVolumeSchema::columns()) {
        const QString statement = QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3");
        result.append(spelled(statement.arg(QLatin1String(added.table), QLatin1String(added.column),
                                            QLatin1String(added.type))));
    }
    if (!m_types.enforcesDeclaredConstraints)
        result += m_types.constraints.statements;
    // Granted last, when every table is there.
    for (const Rules &added : {m_types.closedGuide, m_types.closedGuideReturns, m_types.numbering, m_types.changeNotice,
                               m_types.workstationAccess})
        result += added.statements;
    return result;
}

QList<Schema::Rules> Schema::rules() const
{
    return {m_types.constraints,  m_types.closedGuide,   m_types.closedGuideReturns,
            m_types.numbering,    m_types.changeNotice,  m_types.workstationAccess};
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
        .replace(QLatin1String("$KEYED"), m_types.keyedTable)
        .replace(QLatin1String("$FIGURES"), QString::fromUtf8(guideFigures));
}

} // namespace marbelisto
