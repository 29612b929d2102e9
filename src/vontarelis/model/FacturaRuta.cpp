#include "vontarelis/model/FacturaRuta.h"

#include "toolkit/DateFormat.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/model/Medidas.h"

#include <utility>

namespace vontarelis {

FacturaRuta::FacturaRuta(QString referencia, QDateTime fecha, double valor, double peso)
    : m_referencia(std::move(referencia)), m_fecha(std::move(fecha)), m_valor(valor), m_peso(peso)
{
}

bool FacturaRuta::EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    const QString name = toolkit::toText(sVarId).toUpper();
    if (name == QLatin1String("FACTURA")) {
        vRetBuffer = m_referencia;
        sRetString = m_referencia;
    } else if (name == QLatin1String("FECHA_FACTURA")) {
        vRetBuffer = m_fecha;
        sRetString = toolkit::DateFormat::format(m_fecha, QStringLiteral("dd-mm-yyyy"));
    } else if (name == QLatin1String("VALOR")) {
        vRetBuffer = m_valor;
        sRetString = toolkit::NumberFormat::format(m_valor, CurrentEmpresa().MascaraMonetarios());
    } else if (name == QLatin1String("PESO")) {
        vRetBuffer = m_peso;
        sRetString = toolkit::NumberFormat::format(m_peso, MascaraPeso);
    } else {
        return false;
    }
    return true;
}

QVariantMap FacturaRuta::documentFields() const
{
    return {{QStringLiteral("referencia"), m_referencia},
            {QStringLiteral("fecha"), m_fecha},
            {QStringLiteral("valor"), m_valor},
            {QStringLiteral("peso"), m_peso}};
}

} // namespace vontarelis
