#include "vontarelis/forms/select/LoadIndicator.h"

#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vontarelis {

namespace {

constexpr double AmberFrom = 90.0;
constexpr double RedAbove = 100.0;

QString weight(double kilos)
{
    return toolkit::NumberFormat::format(kilos, QStringLiteral("#,##0.000"));
}

QString capacity(double kilos)
{
    return toolkit::NumberFormat::format(kilos, QStringLiteral("#,##0"));
}

} // namespace

LoadIndicator::LoadIndicator(QWidget &frame, QLabel &label, QProgressBar &bar) : m_frame(frame), m_label(label), m_bar(bar)
{
    // The dialog keeps its width whether the indicator shows and whatever its text says: the
    // room is kept while hidden, and the text takes the room the row leaves (the row gives it
    // all it has to spare), never asking for more.
    m_label.setSizePolicy(QSizePolicy::Ignored, m_label.sizePolicy().verticalPolicy());
    QSizePolicy policy = m_frame.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_frame.setSizePolicy(policy);
    m_frame.hide();
}

void LoadIndicator::setTipoVehiculo(qint32 tipo)
{
    if (tipo == m_tipo)
        return;
    m_tipo = tipo;
    m_capacidad.reset();
    if (tipo == 0)
        return;
    const QVariant value = SqlReadScalar(QStringLiteral("SELECT capacidadKg FROM gdTiposVehiculo WHERE id = ?"), {tipo});
    if (toolkit::isNull(value) || toolkit::isEmpty(value))
        return;
    const double kilos = toolkit::toDouble(value);
    // A capacity that is no positive weight says nothing the indicator could show.
    if (kilos > 0)
        m_capacidad = kilos;
}

void LoadIndicator::show(double peso)
{
    if (!m_capacidad) {
        m_frame.hide();
        return;
    }
    const double percent = peso * 100.0 / *m_capacidad;
    m_label.setText(QStringLiteral("%1 de %2 kg (%3 %)")
                        .arg(weight(peso), capacity(*m_capacidad),
                             toolkit::NumberFormat::format(std::floor(percent), QStringLiteral("#,##0"))));
    m_bar.setValue(int(std::clamp(percent, 0.0, 100.0)));
    const QString colour = percent > RedAbove      ? QStringLiteral("#c62828")
                           : percent >= AmberFrom ? QStringLiteral("#f9a825")
                                                  : QStringLiteral("#2e7d32");
    m_bar.setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: %1; }").arg(colour));
    m_frame.show();
}

bool LoadIndicator::overCapacity(double peso) const
{
    return m_capacidad && peso > *m_capacidad;
}

QString LoadIndicator::overloadQuestion(double peso) const
{
    return QStringLiteral("El peso de la carga (%1 kg) supera la capacidad del vehículo (%2 kg). "
                          "¿Desea registrar la guía de todas formas?")
        .arg(weight(peso), capacity(m_capacidad.value_or(0.0)));
}

} // namespace vontarelis
