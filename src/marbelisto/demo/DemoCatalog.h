#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace marbelisto {

// The fixed material the demo books are made of: the zones, staff, goods and vehicles of a
// wholesale grocery distributor in the Caracas area, and the parts its customers' names
// are made of.
class DemoCatalog
{
public:
    struct Zona
    {
        QString codigo;
        QString descripcion;
    };
    struct Persona
    {
        QString codigo;
        QString nombre;
        QString telefono;
        bool esConductor;
    };
    struct Item
    {
        QString descripcion;
        QString unidad;
        double peso;
        double precio;
        double volumen;
    };
    struct Vehiculo
    {
        QString tipo;
        QString placas;
        QString marca;
        QString modelo;
        QString color;
        int anho;
    };

    static std::vector<Zona> zonas();
    static std::vector<Persona> vendedores();
    static std::vector<Item> items();
    static QStringList tiposVehiculo();
    // The load capacity of a vehicle type in kilograms, or null for a type without one.
    static QVariant capacidadKg(const QString &tipo);
    // The load space of a vehicle type in cubic metres, or null for a type without one.
    static QVariant capacidadM3(const QString &tipo);
    // The reasons an invoice comes back for, as the review offers them.
    static QStringList motivosDevolucion();
    static std::vector<Vehiculo> vehiculos();

    static QStringList tiposNegocio();
    static QStringList nombresNegocio();
    static QStringList sociedades();
    static QStringList calles();
};

} // namespace marbelisto
