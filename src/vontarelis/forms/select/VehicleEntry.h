#pragma once

#include "vontarelis/model/Vehiculo.h"

#include <QString>

class QLineEdit;

namespace toolkit {
class DropDownList;
class NumericBox;
}

namespace vontarelis {

class UCPopup;

// What vehicle: the plate looks a registered vehicle up, or starts registering a new one; the
// other fields edit the record. The record (`vehiculo`) and its flag (`vehiculoModificado`:
// new or changed, to be saved with the guide) live here; nothing is written to the database
// except by saveIfModified, inside the guide's transaction.
class VehicleEntry
{
public:
    struct Controls
    {
        QLineEdit *placasVehiculo;
        toolkit::DropDownList *cbTipoVehiculo;
        QLineEdit *serialNIV;
        toolkit::NumericBox *anho;
        QLineEdit *marca;
        QLineEdit *modelo;
        QLineEdit *colorVehiculo;
        UCPopup *UCPopup1;
    };
    // The record and its flag, to put back when the transaction that saved them is undone.
    struct State
    {
        Vehiculo vehiculo;
        bool vehiculoModificado = false;
    };

    explicit VehicleEntry(const Controls &controls);

    // The vehicle types of gdTiposVehiculo, by name, none selected.
    void fillTypes();

    // Offers the registered plates as a menu and puts the chosen one in the box.
    void choosePlate();
    bool placasValidate();
    bool tipoValidate();
    bool serialNIVValidate();
    bool anhoValidate();
    bool marcaValidate();
    bool modeloValidate();
    bool colorValidate();

    // An empty plate box: the guide travels without a vehicle, whatever the record held.
    bool sinVehiculo() const;
    // A vehicle to be stored (new or changed) takes what its boxes show, each value through its
    // field's check in tab order; the first that fails has shown its message, gets the focus
    // and makes this false.
    bool takeWhatIsShown();
    // A new or changed vehicle is stored under the plate in the box (a new one receives its
    // number) and is no longer marked as changed; without a plate nothing is stored.
    void saveIfModified();
    // 0 without a plate.
    qint32 idVehiculo() const;
    State state() const { return m_state; }
    void restore(const State &state) { m_state = state; }

    // Empties the fields; the record stays until a plate is validated again.
    void clear();

private:
    bool textValidate(QLineEdit &box, QString Vehiculo::*field, const QString &emptyMessage);
    void change(bool changed);

    Controls m_controls;
    State m_state;
};

} // namespace vontarelis
