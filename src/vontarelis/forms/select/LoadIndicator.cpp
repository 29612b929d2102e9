#include "vontarelis/forms/select/LoadIndicator.h"

#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/model/Medidas.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QLabel>
#include <QProgressBar>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vontarelis {

namespace {

constexpr double AmberFrom = 90.0;
constexpr double RedAbove = 100.0;

QString measure(double value)
{
    return toolkit::NumberFormat::format(value, MascaraPeso);
}

QString kilos(double capacity)
{
    return toolkit::NumberFormat::format(capacity, QStringLiteral("#,##0"));
}

QString cubicMetres(double capacity)
{
    return toolkit::NumberFormat::format(capacity, QStringLiteral("#,##0.0"));
}

// A capacity that is no positive number says nothing the indicator could show.
std::optional<double> capacity(const QVariant &value)
{
    if (toolkit::isNull(value) || toolkit::isEmpty(value))
        return std::nullopt;
    const double amount = toolkit::toDouble(value);
    return amount > 0 ? std::optional<double>(amount) : std::nullopt;
}

QString part(double load, const QString &capacity, const QString &unit, double percent)
{
    return QStringLiteral("%1 de %2 %3 (%4 %)")
        .arg(measure(load), capacity, unit, toolkit::NumberFormat::format(std::floor(percent), QStringLiteral("#,##0")));
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
    m_capacidadKg.reset();
    m_capacidadM3.reset();
    if (tipo == 0)
        return;
    const auto rs =
        SqlOpenRecordset(QStringLiteral("SELECT capacidadKg, capacidadM3 FROM gdTiposVehiculo WHERE id = ?"), {tipo});
    if (rs->Eof())
        return;
    m_capacidadKg = capacity(rs->Fields(0));
    m_capacidadM3 = capacity(rs->Fields(1));
}

void LoadIndicator::show(const Load &load)
{
    if (!m_capacidadKg && !m_capacidadM3) {
        m_frame.hide();
        return;
    }
    QStringList parts;
    double fullest = 0.0;
    if (m_capacidadKg) {
        const double percent = load.peso * 100.0 / *m_capacidadKg;
        parts << part(load.peso, kilos(*m_capacidadKg), QStringLiteral("kg"), percent);
        fullest = percent;
    }
    if (m_capacidadM3) {
        const double percent = load.volumen * 100.0 / *m_capacidadM3;
        parts << part(load.volumen, cubicMetres(*m_capacidadM3), QStringLiteral("m³"), percent);
        fullest = m_capacidadKg ? std::max(fullest, percent) : percent;
    }
    // One line each: side by side they would not fit beside the totals.
    m_label.setText(parts.join(u'\n'));
    m_bar.setValue(int(std::clamp(fullest, 0.0, 100.0)));
    const QString colour = fullest > RedAbove      ? QStringLiteral("#c62828")
                           : fullest >= AmberFrom ? QStringLiteral("#f9a825")
                                                  : QStringLiteral("#2e7d32");
    m_bar.setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: %1; }").arg(colour));
    m_frame.show();
}

bool LoadIndicator::overWeight(const Load &load) const
{
    return m_capacidadKg && load.peso > *m_capacidadKg;
}

bool LoadIndicator::overVolume(const Load &load) const
{
    return m_capacidadM3 && load.volumen > *m_capacidadM3;
}

bool LoadIndicator::overCapacity(const Load &load) const
{
    return overWeight(load) || overVolume(load);
}

QString LoadIndicator::overloadQuestion(const Load &load) const
{
    const QString question = QStringLiteral(" ¿Desea registrar la guía de todas formas?");
    if (overWeight(load) && overVolume(load))
        return QStringLiteral("El peso de la carga (%1 kg) y su volumen (%2 m³) superan la capacidad del vehículo "
                              "(%3 kg y %4 m³).")
                   .arg(measure(load.peso), measure(load.volumen), kilos(m_capacidadKg.value_or(0.0)),
                        cubicMetres(m_capacidadM3.value_or(0.0)))
               + question;
    if (overVolume(load))
        return QStringLiteral("El volumen de la carga (%1 m³) supera la capacidad del vehículo (%2 m³).")
                   .arg(measure(load.volumen), cubicMetres(m_capacidadM3.value_or(0.0)))
               + question;
    return QStringLiteral("El peso de la carga (%1 kg) supera la capacidad del vehículo (%2 kg).")
               .arg(measure(load.peso), kilos(m_capacidadKg.value_or(0.0)))
           + question;
}

} // namespace vontarelis
