#pragma once

#include <QString>

#include <optional>

class QLabel;
class QProgressBar;
class QWidget;

namespace vontarelis {

// The ticked weight and volume against the capacities of the chosen vehicle's type, beside
// the totals: "3.150,000 de 3.500 kg (90 %)", "12,400 de 18,0 m³ (69 %)", each only when its
// capacity is known, with a bar for the fuller of the two, amber from 90 % and red above 100 %.
// Without any capacity it stays hidden, and the dialog is as it always was.
class LoadIndicator
{
public:
    struct Load
    {
        double peso = 0.0;
        double volumen = 0.0;
    };

    LoadIndicator(QWidget &frame, QLabel &label, QProgressBar &bar);

    // The type whose capacities count (0: none chosen); read from gdTiposVehiculo when it changes.
    void setTipoVehiculo(qint32 tipo);
    // Whether the volume of the load is worth reading: the type has a volume capacity.
    bool weighsVolume() const { return m_capacidadM3.has_value(); }
    void show(const Load &load);

    bool overCapacity(const Load &load) const;
    // The question asked before registering an overloaded vehicle, naming what is exceeded.
    QString overloadQuestion(const Load &load) const;

private:
    bool overWeight(const Load &load) const;
    bool overVolume(const Load &load) const;

    QWidget &m_frame;
    QLabel &m_label;
    QProgressBar &m_bar;
    qint32 m_tipo = 0;
    std::optional<double> m_capacidadKg;
    std::optional<double> m_capacidadM3;
};

} // namespace vontarelis
