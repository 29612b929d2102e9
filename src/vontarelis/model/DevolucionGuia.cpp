#include "vontarelis/model/DevolucionGuia.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/model/InvoiceReference.h"

#include <utility>

namespace vontarelis {

DevolucionGuia::DevolucionGuia(QString referencia, QString cliente, QString motivo)
    : m_referencia(std::move(referencia)), m_cliente(std::move(cliente)), m_motivo(std::move(motivo))
{
}

QList<std::shared_ptr<host::IDocument>> DevolucionGuia::ofGuide(qint32 idGuia)
{
    QList<std::shared_ptr<host::IDocument>> returns;
    for (auto rs = SqlOpenRecordset(QStringLiteral("SELECT f.serie, f.correlativo, f.NombreCliente, d.motivo "
                                                   "FROM gdDevolucionesGuia d INNER JOIN facturas f "
                                                   "ON f.numero = d.NumeroFactura WHERE d.idGuia = ? "
                                                   "ORDER BY f.FechaTransaccion, f.numero"),
                                    {idGuia});
         !rs->Eof(); rs->MoveNext()) {
        const QString referencia = InvoiceReference::of(toolkit::toText(rs->Fields(0)), toolkit::toLong(rs->Fields(1)));
        returns.append(
            std::make_shared<DevolucionGuia>(referencia, toolkit::toText(rs->Fields(2)), toolkit::toText(rs->Fields(3))));
    }
    return returns;
}

bool DevolucionGuia::EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    const QString name = toolkit::toText(sVarId).toUpper();
    const QString *text = name == QLatin1String("REFERENCIA") || name == QLatin1String("FACTURA") ? &m_referencia
                          : name == QLatin1String("CLIENTE")                                      ? &m_cliente
                          : name == QLatin1String("MOTIVO")                                       ? &m_motivo
                                                                                                  : nullptr;
    if (!text)
        return false;
    vRetBuffer = *text;
    sRetString = *text;
    return true;
}

QVariantMap DevolucionGuia::documentFields() const
{
    return {{QStringLiteral("referencia"), m_referencia},
            {QStringLiteral("cliente"), m_cliente},
            {QStringLiteral("motivo"), m_motivo}};
}

} // namespace vontarelis
