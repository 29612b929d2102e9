#include "marbelisto/host/Empresa.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

namespace marbelisto {

Empresa::Empresa(host::IFramework &framework)
{
    const auto rows = framework.OpenRecordsetA(
        QStringLiteral("SELECT nombre, rif, direccion, telefono, tipoCambio, MascaraMonetarios, MascaraPrecios, "
                       "MascaraCantidades FROM Empresa ORDER BY id"),
        {});
    if (rows->Eof())
        return;
    m_nombre = toolkit::toText(rows->Fields(QStringLiteral("nombre")));
    m_rif = toolkit::toText(rows->Fields(QStringLiteral("rif")));
    m_direccion = toolkit::toText(rows->Fields(QStringLiteral("direccion")));
    m_telefono = toolkit::toText(rows->Fields(QStringLiteral("telefono")));
    m_tipoCambio = toolkit::toDouble(rows->Fields(QStringLiteral("tipoCambio")));
    m_mascaraMonetarios = toolkit::toText(rows->Fields(QStringLiteral("MascaraMonetarios")));
    m_mascaraPrecios = toolkit::toText(rows->Fields(QStringLiteral("MascaraPrecios")));
    m_mascaraCantidades = toolkit::toText(rows->Fields(QStringLiteral("MascaraCantidades")));
}

bool Empresa::EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    const QString name = toolkit::toText(sVarId).trimmed().toUpper();
    QString value;
    if (name == u"EMPRESA" || name == u"NOMBREEMPRESA" || name == u"NOMBRE_EMPRESA")
        value = m_nombre;
    else if (name == u"RIF" || name == u"RIFEMPRESA")
        value = m_rif;
    else if (name == u"DIRECCION" || name == u"DIRECCIONEMPRESA")
        value = m_direccion;
    else if (name == u"TELEFONO" || name == u"TELEFONOEMPRESA")
        value = m_telefono;
    else
        return false;
    vRetBuffer = value;
    sRetString = value;
    return true;
}

} // namespace marbelisto
