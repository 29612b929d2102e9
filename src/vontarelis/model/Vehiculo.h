#pragma once

#include <QString>

namespace vontarelis {

// A vehicle of gdVehiculos with the name of its type; id 0 means none, or not stored yet.
struct Vehiculo
{
    qint32 id = 0;
    qint32 tipoVehiculo = 0;
    QString placas;
    QString marca;
    QString modelo;
    QString color;
    QString serialNIV;
    QString serialMotor;
    qint16 anho = 0;
    QString descTipo;
};

} // namespace vontarelis
