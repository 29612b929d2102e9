#pragma once

#include <QString>

#include <optional>

class QLabel;
class QProgressBar;
class QWidget;

namespace vontarelis {

// The ticked weight against the capacity of the chosen vehicle's type, beside the totals:
// "3.150,000 de 3.500 kg (90 %)" with a bar, amber from 90 % and red above 100 %. Without a
// known capacity it stays hidden, and the dialog is as it always was.
class LoadIndicator
{
public:
    LoadIndicator(QWidget &frame, QLabel &label, QProgressBar &bar);

    // The type whose capacity counts (0: none chosen); read from gdTiposVehiculo when it changes.
    void setTipoVehiculo(qint32 tipo);
    void show(double peso);

    bool overCapacity(double peso) const;
    // The question asked before registering an overloaded vehicle.
    QString overloadQuestion(double peso) const;

private:
    QWidget &m_frame;
    QLabel &m_label;
    QProgressBar &m_bar;
    qint32 m_tipo = 0;
    std::optional<double> m_capacidad;
};

} // namespace vontarelis
