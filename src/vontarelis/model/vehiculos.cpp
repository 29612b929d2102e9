#include "vontarelis/model/vehiculos.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"

namespace vontarelis {

namespace {

Vehiculo loadFirst(const QString &sourceQuery, const QVariant &key)
{
    const QString sql = QStringLiteral("SELECT v.*, COALESCE(tv.nombre, '') As descTipo FROM ")
        + sourceQuery + QStringLiteral("LEFT JOIN gdTiposVehiculo tv ON tv.id = v.tipoVehiculo");
    const auto rs = SqlOpenRecordset(sql, {key});
    if (rs->Eof())
        return Vehiculo();
    return ReadVehiculo(*rs);
}

// The type's name as the vehicle cache keeps it; a type without row has an empty name.
QString typeName(qint32 tipoVehiculo)
{
    const QVariant name = SqlReadScalar(QStringLiteral("SELECT Nombre FROM gdTiposVehiculo WHERE id = ?"),
                                        {tipoVehiculo});
    return toolkit::isNull(name) ? QString() : toolkit::toText(name);
}

// The field a vehicle print variable names (upper case), or Empty for any other name.
QVariant vehicleField(const Vehiculo &vehiculo, const QString &variable)
{
    if (variable == QLatin1String("TIPO"))
        return vehiculo.descTipo;
    if (variable == QLatin1String("PLACAS"))
        return vehiculo.placas;
    if (variable == QLatin1String("MARCA"))
        return vehiculo.marca;
    if (variable == QLatin1String("MODELO"))
        return vehiculo.modelo;
    if (variable == QLatin1String("COLOR"))
        return vehiculo.color;
    if (variable == QLatin1String("SERIAL") || variable == QLatin1String("SERIALNIV")
        || variable == QLatin1String("NIV") || variable == QLatin1String("VIN"))
        return vehiculo.serialNIV;
    if (variable == QLatin1String("SERIALMOTOR"))
        return vehiculo.serialMotor;
    if (variable == QString::fromUtf8("AÑO"))
        return QVariant::fromValue(vehiculo.anho);
    return QVariant();
}

} // namespace

Vehiculo ReadVehiculo(const host::IRecordset &rs)
{
    Vehiculo vehiculo;
    vehiculo.id = toolkit::toLong(rs.Fields(QStringLiteral("id")));
    vehiculo.tipoVehiculo = toolkit::toLong(rs.Fields(QStringLiteral("tipoVehiculo")));
    vehiculo.placas = toolkit::toText(rs.Fields(QStringLiteral("placas")));
    vehiculo.marca = toolkit::toText(rs.Fields(QStringLiteral("marca")));
    vehiculo.color = toolkit::toText(rs.Fields(QStringLiteral("color")));
    vehiculo.modelo = toolkit::toText(rs.Fields(QStringLiteral("modelo")));
    vehiculo.serialNIV = toolkit::toText(rs.Fields(QStringLiteral("serialNIV")));
    vehiculo.serialMotor = toolkit::toText(rs.Fields(QStringLiteral("serialMotor")));
    vehiculo.anho = toolkit::toInteger(rs.Fields(QStringLiteral("anho")));
    vehiculo.descTipo = toolkit::toText(rs.Fields(QStringLiteral("descTipo")));
    if (vehiculo.descTipo.isEmpty())
        vehiculo.descTipo = hostlibs::CommonUtilities().FormatText(QStringLiteral("INVALIDO (%1)"),
                                                                   {vehiculo.tipoVehiculo});
    return vehiculo;
}

Vehiculo LoadVehiculoByPlacas(const QString &placas)
{
    return loadFirst(QStringLiteral("(SELECT * FROM gdVehiculos WHERE placas = ?) V "), placas);
}

Vehiculo LoadVehiculoById(qint32 id)
{
    return loadFirst(QStringLiteral("(SELECT * FROM gdVehiculos WHERE id = ?) V "), id);
}

void SaveVehiculo(Vehiculo &vehiculo)
{
    // A print after this save shows the vehicle as stored; the cache is read again rather than
    // filled from the record, which the caller's transaction may still undo.
    gVehiculoActual = Vehiculo();
    if (vehiculo.id != 0) {
        SqlExecute(QStringLiteral("UPDATE gdVehiculos SET tipoVehiculo = ?, marca = ?, modelo = ?, color = ?, "
                                  "serialNIV = ?, serialMotor = ?, anho = ? WHERE id = ?"),
                   {vehiculo.tipoVehiculo, vehiculo.marca, vehiculo.modelo, vehiculo.color, vehiculo.serialNIV,
                    vehiculo.serialMotor, vehiculo.anho, vehiculo.id});
        return;
    }
    SqlExecute(QStringLiteral("INSERT INTO gdVehiculos (tipoVehiculo, placas, marca, color, serialNIV, serialMotor, "
                              "anho, modelo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {vehiculo.tipoVehiculo, vehiculo.placas, vehiculo.marca, vehiculo.color, vehiculo.serialNIV,
                vehiculo.serialMotor, vehiculo.anho, vehiculo.modelo});
    // This connection's own insert: another workstation's vehicle must not take its place.
    vehiculo.id = toolkit::toLong(SqlReadScalar(QStringLiteral("SELECT SCOPE_IDENTITY()"), {}));
}

QVariant EvalVehiculoVar(qint32 id, const QString &name)
{
    Vehiculo &actual = gVehiculoActual;
    if (actual.id != id) {
        actual = LoadVehiculoById(id);
        if (actual.id == 0)
            return QVariant();
    }
    const QString variable = name.toUpper();
    if (variable == QLatin1String("TIPO") && actual.descTipo.isEmpty())
        actual.descTipo = typeName(actual.tipoVehiculo);
    return vehicleField(actual, variable);
}

bool IsVehiculoVar(const QString &name)
{
    return vehicleField(Vehiculo(), name.toUpper()).isValid();
}

} // namespace vontarelis
