#include "vontarelis/forms/select/VehicleEntry.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/DropDownList.h"
#include "toolkit/NumericBox.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/model/vehiculos.h"
#include "vontarelis/ui/UCPopup.h"

#include <QDate>
#include <QLineEdit>

#include <utility>

namespace vontarelis {

namespace {

constexpr int LargoPlaca = 7;
constexpr int LargoNIV = 17;
constexpr int PrimerAnho = 1940;

QString normalised(const QLineEdit &box)
{
    return box.text().trimmed().toUpper();
}

} // namespace

VehicleEntry::VehicleEntry(const Controls &controls) : m_controls(controls)
{
    m_controls.anho->setFormat(QStringLiteral("####"));
}

void VehicleEntry::fillTypes()
{
    toolkit::DropDownList &tipos = *m_controls.cbTipoVehiculo;
    tipos.Clear();
    for (auto rs = SqlOpenRecordset(QStringLiteral("SELECT * FROM gdTiposVehiculo ORDER BY nombre"), {}); !rs->Eof();
         rs->MoveNext())
        tipos.AddItem(toolkit::toText(rs->Fields(QStringLiteral("nombre"))), toolkit::toLong(rs->Fields(QStringLiteral("id"))));
}

void VehicleEntry::change(bool changed)
{
    if (changed)
        m_state.vehiculoModificado = true;
}

void VehicleEntry::choosePlate()
{
    QStringList placas;
    for (auto rs = SqlOpenRecordset(QStringLiteral("SELECT placas from gdVehiculos ORDER BY placas"), {}); !rs->Eof();
         rs->MoveNext())
        placas << toolkit::toText(rs->Fields(QStringLiteral("placas")));
    // Without registered vehicles there is nothing to choose from: no menu at all.
    if (placas.isEmpty())
        return;
    const qint16 index = m_controls.UCPopup1->Popup(placas);
    if (index >= 0)
        m_controls.placasVehiculo->setText(placas.at(index));
}

bool VehicleEntry::placasValidate()
{
    QLineEdit &box = *m_controls.placasVehiculo;
    const QString placa = normalised(box);
    box.setText(placa);
    if (placa.isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("No puede dejar la placa en blanco"));
        return false;
    }
    if (placa.size() < LargoPlaca) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("La placa debe tener al menos 7 caracteres"));
        return false;
    }
    m_state.vehiculo = LoadVehiculoByPlacas(placa);
    const Vehiculo &v = m_state.vehiculo;
    if (v.id != 0) {
        m_controls.cbTipoVehiculo->selectItemData(v.tipoVehiculo);
        m_controls.serialNIV->setText(v.serialNIV);
        m_controls.anho->setValue(v.anho);
        m_controls.marca->setText(v.marca);
        m_controls.modelo->setText(v.modelo);
        m_controls.colorVehiculo->setText(v.color);
        m_state.vehiculoModificado = false;
        return true;
    }
    if (!hostlibs::CommonUtilities().AskYesNo(QStringLiteral("No tenemos un vehículo con esas placas\r\n"
                                                             "¿Desea registrar un nuevo vehiculo?"),
                                              true, QStringLiteral("Marbelisto: Guias de despacho")))
        return false;
    m_controls.cbTipoVehiculo->setListIndex(-1);
    m_state.vehiculoModificado = true;
    return true;
}

bool VehicleEntry::tipoValidate()
{
    const toolkit::DropDownList &tipos = *m_controls.cbTipoVehiculo;
    if (tipos.ListIndex() < 0) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Debe seleccionar un tipo de vehículo"));
        return false;
    }
    const qint32 tipo = tipos.ItemData(tipos.ListIndex());
    change(tipo != m_state.vehiculo.tipoVehiculo);
    m_state.vehiculo.tipoVehiculo = tipo;
    return true;
}

bool VehicleEntry::serialNIVValidate()
{
    // The box keeps the text as typed; the record gets it normalised.
    const QString shown = m_controls.serialNIV->text();
    const QString niv = shown.trimmed().toUpper();
    if (niv.isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Introduzca el serial NIV del vehículo"));
        return false;
    }
    // What the record holds was accepted before or is stored: neither asked again nor a change.
    const QString &held = m_state.vehiculo.serialNIV;
    if (shown == held || niv == held)
        return true;
    if (niv.size() != LargoNIV
        && !hostlibs::CommonUtilities().AskYesNo(QStringLiteral("El estándar para los NIV usa 17 dígitos\r\n"
                                                                "¿Es correcto el valor introducido?"),
                                                 true, QStringLiteral("Marbelisto: Guías de despacho")))
        return false;
    m_state.vehiculo.serialNIV = niv;
    m_state.vehiculoModificado = true;
    return true;
}

bool VehicleEntry::anhoValidate()
{
    const double anho = m_controls.anho->value();
    const int ultimo = QDate::currentDate().year() + 1;
    if (anho < PrimerAnho || anho > ultimo) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("El año debe estar entre %1 y %2").arg(PrimerAnho).arg(ultimo));
        return false;
    }
    const qint16 valor = toolkit::toInteger(anho);
    change(valor != m_state.vehiculo.anho);
    m_state.vehiculo.anho = valor;
    return true;
}

bool VehicleEntry::textValidate(QLineEdit &box, QString Vehiculo::*field, const QString &emptyMessage)
{
    // A value left as it was shown is no change, whatever its letter case.
    if (box.text() == m_state.vehiculo.*field && !box.text().trimmed().isEmpty())
        return true;
    const QString value = normalised(box);
    box.setText(value);
    if (value.isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(emptyMessage);
        return false;
    }
    change(value != m_state.vehiculo.*field);
    m_state.vehiculo.*field = value;
    return true;
}

bool VehicleEntry::marcaValidate()
{
    return textValidate(*m_controls.marca, &Vehiculo::marca, QStringLiteral("Por favor, introduzca una marca"));
}

bool VehicleEntry::modeloValidate()
{
    return textValidate(*m_controls.modelo, &Vehiculo::modelo, QStringLiteral("Por favor, introduzca el modelo"));
}

bool VehicleEntry::colorValidate()
{
    return textValidate(*m_controls.colorVehiculo, &Vehiculo::color,
                        QStringLiteral("Por favor, introduzca el color del vehículo"));
}

bool VehicleEntry::sinVehiculo() const
{
    return m_controls.placasVehiculo->text().trimmed().isEmpty();
}

bool VehicleEntry::takeWhatIsShown()
{
    if (sinVehiculo() || (m_state.vehiculo.id != 0 && !m_state.vehiculoModificado))
        return true;
    // A box the user never left was never checked: a new plate's boxes may still show another vehicle.
    const std::pair<QWidget *, bool (VehicleEntry::*)()> fields[] = {
        {m_controls.cbTipoVehiculo, &VehicleEntry::tipoValidate}, {m_controls.serialNIV, &VehicleEntry::serialNIVValidate},
        {m_controls.anho, &VehicleEntry::anhoValidate},          {m_controls.marca, &VehicleEntry::marcaValidate},
        {m_controls.modelo, &VehicleEntry::modeloValidate},       {m_controls.colorVehiculo, &VehicleEntry::colorValidate},
    };
    for (const auto &[control, validate] : fields) {
        if (!(this->*validate)()) {
            control->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

qint32 VehicleEntry::idVehiculo() const
{
    return sinVehiculo() ? 0 : m_state.vehiculo.id;
}

void VehicleEntry::saveIfModified()
{
    if (sinVehiculo() || !m_state.vehiculoModificado)
        return;
    m_state.vehiculo.placas = m_controls.placasVehiculo->text();
    SaveVehiculo(m_state.vehiculo);
    m_state.vehiculoModificado = false;
}

void VehicleEntry::clear()
{
    m_controls.placasVehiculo->clear();
    m_controls.cbTipoVehiculo->setListIndex(-1);
    m_controls.serialNIV->clear();
    m_controls.anho->setValue(0);
    m_controls.marca->clear();
    m_controls.modelo->clear();
    m_controls.colorVehiculo->clear();
}

} // namespace vontarelis
