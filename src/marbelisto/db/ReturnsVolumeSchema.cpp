#include "marbelisto/db/ReturnsVolumeSchema.h"

namespace marbelisto {

const std::vector<ReturnsVolumeSchema::AddedTable> &ReturnsVolumeSchema::tables()
{
    static const std::vector<AddedTable> added{
        // Kept by the site; the review offers them in the order of their codes.
        {"MotivosDevolucion",
         "CREATE TABLE MotivosDevolucion ("
         " codigo INTEGER NOT NULL PRIMARY KEY,"
         " descripcion $SPANISHTEXT NOT NULL)$KEYED"},
        // The reason is kept as it was chosen, so a site may reword or drop a reason later
        // without rewriting what its drivers brought back.
        {"gdDevolucionesGuia",
         "CREATE TABLE gdDevolucionesGuia ("
         " idGuia INTEGER NOT NULL,"
         " NumeroFactura INTEGER NOT NULL,"
         " motivo TEXT NOT NULL,"
         " PRIMARY KEY (idGuia, NumeroFactura),"
         " CONSTRAINT gd_devolucion_guia FOREIGN KEY (idGuia) REFERENCES gdVontarelis (id),"
         " CONSTRAINT gd_devolucion_factura FOREIGN KEY (NumeroFactura) REFERENCES facturas (numero))$KEYED"},
    };
    return added;
}

const std::vector<ReturnsVolumeSchema::AddedColumn> &ReturnsVolumeSchema::columns()
{
    static const std::vector<AddedColumn> added{
        // Cubic metres of one unit; 0 where nobody measured it.
        {"ItemsInventario", "volumen", "$REAL NOT NULL DEFAULT 0"},
        // Cubic metres a type carries; a type without one stays NULL.
        {"gdTiposVehiculo", "capacidadM3", "$REAL"},
    };
    return added;
}

} // namespace marbelisto
