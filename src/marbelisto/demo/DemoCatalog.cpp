#include "marbelisto/demo/DemoCatalog.h"

#include <QHash>

namespace marbelisto {

std::vector<DemoCatalog::Zona> DemoCatalog::zonas()
{
    return {
        {QStringLiteral("CCS-C"), QStringLiteral("Caracas Centro")},
        {QStringLiteral("CCS-E"), QStringLiteral("Caracas Este")},
        {QStringLiteral("CCS-O"), QStringLiteral("Caracas Oeste")},
        {QStringLiteral("GUA"), QStringLiteral("Guarenas - Guatire")},
        {QStringLiteral("TUY"), QStringLiteral("Valles del Tuy")},
        {QStringLiteral("ALT"), QStringLiteral("Altos Mirandinos")},
        {QStringLiteral("LGU"), QStringLiteral("La Guaira")},
        {QStringLiteral("MCY"), QStringLiteral("Maracay")},
    };
}

std::vector<DemoCatalog::Persona> DemoCatalog::vendedores()
{
    return {
        {QStringLiteral("V01"), QStringLiteral("José Gregorio Pérez"), QStringLiteral("0414-312.45.67"), false},
        {QStringLiteral("V02"), QStringLiteral("María Alejandra Rodríguez"), QStringLiteral("0424-105.88.21"), false},
        {QStringLiteral("V03"), QStringLiteral("Luis Enrique Márquez"), QStringLiteral("0412-778.30.02"), false},
        {QStringLiteral("V04"), QStringLiteral("Carmen Elena Villegas"), QStringLiteral("0416-620.14.90"), false},
        {QStringLiteral("V05"), QStringLiteral("Rafael Antonio Guzmán"), QStringLiteral("0414-254.71.36"), false},
        {QStringLiteral("V06"), QStringLiteral("Yusmary del Valle Hernández"), QStringLiteral("0426-913.02.57"), false},
        {QStringLiteral("V07"), QStringLiteral("Pedro Miguel Castillo"), QStringLiteral("0412-330.66.18"), false},
        {QStringLiteral("C01"), QStringLiteral("Jesús Alberto Rengifo"), QStringLiteral("0414-901.23.45"), true},
        {QStringLiteral("C02"), QStringLiteral("Wilmer José Colmenares"), QStringLiteral("0424-417.50.09"), true},
        {QStringLiteral("C03"), QStringLiteral("Franklin Ramón Bastidas"), QStringLiteral("0416-288.73.61"), true},
        {QStringLiteral("C04"), QStringLiteral("Oswaldo Antonio Linares"), QStringLiteral("0412-560.94.38"), true},
    };
}

std::vector<DemoCatalog::Item> DemoCatalog::items()
{
    // Unit volumes in cubic metres: the outer box or sack as it is stacked on the truck.
    return {
        {QStringLiteral("Harina de maíz precocida, bulto 20 x 1 kg"), QStringLiteral("BUL"), 20.4, 21.50, 0.030},
        {QStringLiteral("Arroz blanco tipo I, bulto 24 x 1 kg"), QStringLiteral("BUL"), 24.5, 26.40, 0.034},
        {QStringLiteral("Pasta larga, bulto 12 x 1 kg"), QStringLiteral("BUL"), 12.3, 15.60, 0.028},
        {QStringLiteral("Pasta corta, bulto 24 x 500 g"), QStringLiteral("BUL"), 12.4, 16.80, 0.040},
        {QStringLiteral("Azúcar refinada, bulto 20 x 1 kg"), QStringLiteral("BUL"), 20.3, 23.00, 0.026},
        {QStringLiteral("Aceite de soya, caja 12 x 1 l"), QStringLiteral("CAJ"), 11.8, 30.20, 0.018},
        {QStringLiteral("Aceite de maíz, caja 12 x 900 ml"), QStringLiteral("CAJ"), 10.6, 34.90, 0.016},
        {QStringLiteral("Café molido, caja 24 x 500 g"), QStringLiteral("CAJ"), 12.6, 98.40, 0.020},
        {QStringLiteral("Leche en polvo completa, caja 12 x 900 g"), QStringLiteral("CAJ"), 11.4, 86.00, 0.030},
        {QStringLiteral("Caraotas negras, bulto 24 x 500 g"), QStringLiteral("BUL"), 12.2, 28.80, 0.017},
        {QStringLiteral("Lentejas, bulto 24 x 500 g"), QStringLiteral("BUL"), 12.2, 27.30, 0.017},
        {QStringLiteral("Sardinas en salsa de tomate, caja 48 x 170 g"), QStringLiteral("CAJ"), 8.9, 41.80, 0.011},
        {QStringLiteral("Atún en aceite, caja 48 x 140 g"), QStringLiteral("CAJ"), 7.6, 62.40, 0.010},
        {QStringLiteral("Mayonesa, caja 12 x 445 g"), QStringLiteral("CAJ"), 6.1, 29.70, 0.008},
        {QStringLiteral("Salsa de tomate, caja 24 x 397 g"), QStringLiteral("CAJ"), 10.4, 27.10, 0.014},
        {QStringLiteral("Margarina, caja 24 x 500 g"), QStringLiteral("CAJ"), 12.5, 44.60, 0.018},
        {QStringLiteral("Harina de trigo todo uso, bulto 20 x 1 kg"), QStringLiteral("BUL"), 20.3, 22.90, 0.030},
        {QStringLiteral("Avena en hojuelas, caja 24 x 400 g"), QStringLiteral("CAJ"), 10.2, 31.20, 0.036},
        {QStringLiteral("Galletas de soda, caja 12 x 240 g"), QStringLiteral("CAJ"), 3.3, 17.40, 0.020},
        {QStringLiteral("Galletas de chocolate, caja 12 x 300 g"), QStringLiteral("CAJ"), 4.0, 22.80, 0.018},
        {QStringLiteral("Refresco de cola, paca 6 x 2 l"), QStringLiteral("PAC"), 12.6, 9.90, 0.016},
        {QStringLiteral("Agua mineral, paca 6 x 1,5 l"), QStringLiteral("PAC"), 9.3, 5.40, 0.012},
        {QStringLiteral("Malta, caja 24 x 355 ml"), QStringLiteral("CAJ"), 13.9, 14.60, 0.017},
        {QStringLiteral("Jugo de durazno, caja 12 x 1 l"), QStringLiteral("CAJ"), 12.8, 19.30, 0.015},
        {QStringLiteral("Jabón en polvo, bulto 12 x 1 kg"), QStringLiteral("BUL"), 12.4, 33.50, 0.030},
        {QStringLiteral("Detergente líquido, caja 12 x 1 l"), QStringLiteral("CAJ"), 12.7, 29.90, 0.016},
        {QStringLiteral("Cloro, caja 12 x 1 l"), QStringLiteral("CAJ"), 12.9, 11.20, 0.016},
        {QStringLiteral("Desinfectante lavanda, caja 12 x 1 l"), QStringLiteral("CAJ"), 12.6, 14.80, 0.016},
        {QStringLiteral("Jabón de tocador, caja 72 x 110 g"), QStringLiteral("CAJ"), 8.3, 36.00, 0.012},
        {QStringLiteral("Papel higiénico, bulto 12 x 4 rollos"), QStringLiteral("BUL"), 4.9, 24.70, 0.060},
        {QStringLiteral("Servilletas, bulto 24 x 100 unidades"), QStringLiteral("BUL"), 5.2, 18.10, 0.045},
        {QStringLiteral("Crema dental, caja 72 x 100 ml"), QStringLiteral("CAJ"), 9.6, 57.60, 0.015},
        {QStringLiteral("Champú, caja 12 x 400 ml"), QStringLiteral("CAJ"), 5.4, 32.40, 0.008},
        {QStringLiteral("Pañales etapa 3, bulto 4 x 30 unidades"), QStringLiteral("BUL"), 6.8, 48.00, 0.090},
        {QStringLiteral("Vinagre blanco, caja 12 x 1 l"), QStringLiteral("CAJ"), 12.5, 8.70, 0.016},
        {QStringLiteral("Sal refinada, bulto 25 x 1 kg"), QStringLiteral("BUL"), 25.2, 9.80, 0.020},
        {QStringLiteral("Maíz pilado blanco, saco 30 kg"), QStringLiteral("SAC"), 30.0, 24.00, 0.042},
        {QStringLiteral("Queso blanco duro, pieza 5 kg"), QStringLiteral("PZA"), 5.0, 27.50, 0.006},
        {QStringLiteral("Mortadela, pieza 4 kg"), QStringLiteral("PZA"), 4.0, 18.40, 0.005},
        {QStringLiteral("Huevos, cartón 30 unidades"), QStringLiteral("CAR"), 1.9, 5.60, 0.006},
    };
}

QStringList DemoCatalog::tiposVehiculo()
{
    return {QStringLiteral("Camión"), QStringLiteral("Camioneta"), QStringLiteral("Furgón"), QStringLiteral("Moto"),
            QStringLiteral("Gandola")};
}

QVariant DemoCatalog::capacidadKg(const QString &tipo)
{
    // Payloads of the usual models; the trailer's depends on the tractor, so it has none.
    static const QHash<QString, double> capacities{{QStringLiteral("Camión"), 8000.0},
                                                   {QStringLiteral("Camioneta"), 1200.0},
                                                   {QStringLiteral("Furgón"), 3500.0},
                                                   {QStringLiteral("Moto"), 150.0}};
    const auto found = capacities.constFind(tipo);
    return found == capacities.cend() ? QVariant() : QVariant(*found);
}

QVariant DemoCatalog::capacidadM3(const QString &tipo)
{
    // Load space of the usual bodies; the motorcycle's box is small. The trailer takes what its
    // space holds, its weight depending on the tractor.
    static const QHash<QString, double> capacities{{QStringLiteral("Camión"), 36.0},
                                                   {QStringLiteral("Camioneta"), 3.5},
                                                   {QStringLiteral("Furgón"), 18.0},
                                                   {QStringLiteral("Moto"), 0.15},
                                                   {QStringLiteral("Gandola"), 80.0}};
    const auto found = capacities.constFind(tipo);
    return found == capacities.cend() ? QVariant() : QVariant(*found);
}

QStringList DemoCatalog::motivosDevolucion()
{
    return {QStringLiteral("Cliente cerrado"),        QStringLiteral("Rechazado por el cliente"),
            QStringLiteral("Sin dinero para pagar"),  QStringLiteral("Mercancía dañada"),
            QStringLiteral("Falta de tiempo"),        QStringLiteral("Dirección errada")};
}

std::vector<DemoCatalog::Vehiculo> DemoCatalog::vehiculos()
{
    return {
        {QStringLiteral("Camión"), QStringLiteral("A45BK2R"), QStringLiteral("Ford"), QStringLiteral("Cargo 1721"),
         QStringLiteral("Blanco"), 2012},
        {QStringLiteral("Camión"), QStringLiteral("A71CD8M"), QStringLiteral("Chevrolet"), QStringLiteral("NPR"),
         QStringLiteral("Blanco"), 2016},
        {QStringLiteral("Furgón"), QStringLiteral("A03FG5T"), QStringLiteral("Iveco"), QStringLiteral("Daily 70C16"),
         QStringLiteral("Azul"), 2014},
        {QStringLiteral("Camioneta"), QStringLiteral("AB482XL"), QStringLiteral("Toyota"), QStringLiteral("Hilux"),
         QStringLiteral("Gris plata"), 2018},
        {QStringLiteral("Camión"), QStringLiteral("A19JH7P"), QStringLiteral("Mitsubishi"), QStringLiteral("Canter"),
         QStringLiteral("Rojo"), 2010},
        {QStringLiteral("Moto"), QStringLiteral("AC3M41"), QStringLiteral("Bera"), QStringLiteral("BR-200"),
         QStringLiteral("Negro"), 2020},
    };
}

QStringList DemoCatalog::tiposNegocio()
{
    return {QStringLiteral("Bodega"),       QStringLiteral("Abasto"),        QStringLiteral("Comercial"),
            QStringLiteral("Inversiones"),  QStringLiteral("Supermercado"),  QStringLiteral("Automercado"),
            QStringLiteral("Charcutería"),  QStringLiteral("Panadería"),     QStringLiteral("Licorería"),
            QStringLiteral("Mini Market"),  QStringLiteral("Distribuidora"), QStringLiteral("Frigorífico")};
}

QStringList DemoCatalog::nombresNegocio()
{
    return {QStringLiteral("La Esquina"),    QStringLiteral("El Progreso"),   QStringLiteral("San José"),
            QStringLiteral("Los Andes"),     QStringLiteral("Santa Rosa"),    QStringLiteral("El Llanero"),
            QStringLiteral("La Candelaria"), QStringLiteral("Mi Tierra"),     QStringLiteral("La Fe"),
            QStringLiteral("El Buen Precio"), QStringLiteral("Los Hermanos"), QStringLiteral("Virgen del Valle"),
            QStringLiteral("El Samán"),      QStringLiteral("La Trinidad"),   QStringLiteral("Don Pancho"),
            QStringLiteral("La Victoria"),   QStringLiteral("Doña Carmen"),   QStringLiteral("El Ávila"),
            QStringLiteral("Las Acacias"),   QStringLiteral("San Agustín"),   QStringLiteral("El Paraíso"),
            QStringLiteral("La Pastora"),    QStringLiteral("Catia"),         QStringLiteral("Petare"),
            QStringLiteral("Chacao"),        QStringLiteral("El Valle"),      QStringLiteral("Coche"),
            QStringLiteral("Antímano"),      QStringLiteral("La Vega"),       QStringLiteral("Caricuao")};
}

QStringList DemoCatalog::sociedades()
{
    return {QStringLiteral("C.A."), QStringLiteral("C.A."), QStringLiteral("S.R.L."), QStringLiteral("S.A."),
            QStringLiteral("F.P."), QStringLiteral("2021, C.A."), QStringLiteral("y Asociados, C.A.")};
}

QStringList DemoCatalog::calles()
{
    return {QStringLiteral("Av. Principal"),   QStringLiteral("Calle Real"),     QStringLiteral("Av. Bolívar"),
            QStringLiteral("Calle Miranda"),   QStringLiteral("Av. Sucre"),      QStringLiteral("Calle El Carmen"),
            QStringLiteral("Av. Intercomunal"), QStringLiteral("Calle Páez"),    QStringLiteral("Av. Urdaneta"),
            QStringLiteral("Calle Los Mangos")};
}

} // namespace marbelisto
