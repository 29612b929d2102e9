#include "vontarelis/model/DetalleGuiaDespacho.h"

#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/model/Medidas.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/HostScript.h"

namespace vontarelis {

namespace {

// The detail query's fifth and seventh columns: the line's total weight and volume. The third
// and sixth carry the same names in another case (the unit figures), so the totals are read by
// position.
constexpr int TotalWeightColumn = 4;
constexpr int TotalVolumeColumn = 6;

} // namespace

void DetalleGuiaDespacho::loadInstance(const host::IRecordset &rs)
{
    m_codigoItem = toolkit::toText(rs.Fields(QStringLiteral("codigo")));
    m_descripcion = toolkit::toText(rs.Fields(QStringLiteral("descripcion")));
    m_unidades = toolkit::toDouble(rs.Fields(QStringLiteral("unidades")));
    m_peso = toolkit::toDouble(rs.Fields(TotalWeightColumn));
    m_volumen = toolkit::toDouble(rs.Fields(TotalVolumeColumn));
}

bool DetalleGuiaDespacho::ExtendEval(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    return HostScript::ExtendEval(CurrentHost(), *this, ScriptFile, sVarId, vRetBuffer, sRetString);
}

bool DetalleGuiaDespacho::EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    // The extension writes the outputs only when it answers, and then its answer is final.
    if (ExtendEval(sVarId, vRetBuffer, sRetString)) {
        sRetString = toolkit::toText(sRetString);
        return true;
    }
    const QString name = toolkit::toText(sVarId).toUpper();
    if (name == QLatin1String("CODIGO")) {
        vRetBuffer = m_codigoItem;
        sRetString = m_codigoItem;
        return true;
    }
    if (name == QLatin1String("DESCRIPCION")) {
        vRetBuffer = m_descripcion;
        sRetString = m_descripcion;
        return true;
    }
    if (name == QLatin1String("CANTIDAD")) {
        vRetBuffer = m_unidades;
        sRetString = toolkit::NumberFormat::format(m_unidades, CurrentEmpresa().MascaraCantidades());
        return true;
    }
    if (name == QLatin1String("TOTALPESO")) {
        vRetBuffer = m_peso;
        sRetString = toolkit::NumberFormat::format(m_peso, MascaraPeso);
        return true;
    }
    if (name == QLatin1String("TOTALVOLUMEN") || name == QLatin1String("VOLUMEN")) {
        vRetBuffer = m_volumen;
        sRetString = toolkit::NumberFormat::format(m_volumen, MascaraVolumen);
        return true;
    }
    return false;
}

QVariantMap DetalleGuiaDespacho::documentFields() const
{
    return {{QStringLiteral("codigoItem"), m_codigoItem},
            {QStringLiteral("descripcion"), m_descripcion},
            {QStringLiteral("unidades"), m_unidades},
            {QStringLiteral("peso"), m_peso},
            {QStringLiteral("volumen"), m_volumen}};
}

} // namespace vontarelis
