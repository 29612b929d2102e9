#pragma once

#include "vontarelis/host/IRecordset.h"
#include "vontarelis/model/Vehiculo.h"

#include <QString>
#include <QVariant>

// The vehicle registry: reading, storing and the vehicles' print variables.
namespace vontarelis {

// The vehicle of the recordset's current row; a type without name reads as "INVALIDO (n)".
Vehiculo ReadVehiculo(const host::IRecordset &rs);
// The vehicle with exactly that plate, or a new record (id 0).
Vehiculo LoadVehiculoByPlacas(const QString &placas);
// The vehicle with that id, or a new record (id 0).
Vehiculo LoadVehiculoById(qint32 id);
// Updates a stored vehicle (never its plate) or inserts a new one and sets its id. Empties the
// print cache, so that the next print reads the vehicle as stored.
void SaveVehiculo(Vehiculo &vehiculo);
// A vehicle print variable of vehicle id, read through gVehiculoActual; Empty when the name
// is not a vehicle variable or the vehicle does not exist.
QVariant EvalVehiculoVar(qint32 id, const QString &name);
// Whether the name (any letter case) is one of the vehicle print variables.
bool IsVehiculoVar(const QString &name);

} // namespace vontarelis
