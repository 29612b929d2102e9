#include "vontarelis/forms/confirm/ReturnReasons.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/forms/confirm/InvoiceRows.h"

#include <QStringList>

namespace vontarelis {

std::optional<QString> ReturnReasons::ask(const QString &referencia, qint32 count) const
{
    QStringList motivos;
    for (auto rs = SqlOpenRecordset(QStringLiteral("SELECT descripcion FROM MotivosDevolucion ORDER BY codigo"), {});
         !rs->Eof(); rs->MoveNext())
        motivos << toolkit::toText(rs->Fields(0));
    if (motivos.isEmpty())
        return QString();
    const QString prompt = referencia.isEmpty()
                               ? QStringLiteral("¿Por qué volvieron las %1 facturas?").arg(count)
                               : QStringLiteral("¿Por qué volvió la factura %1?").arg(referencia);
    const int chosen =
        hostlibs::CommonUtilities().AskChoice(prompt, motivos, QStringLiteral("Marbelisto: Guías de despacho"));
    if (chosen < 0 || chosen >= motivos.size())
        return std::nullopt;
    return motivos.at(chosen);
}

void ReturnReasons::set(qint32 numero, const QString &motivo)
{
    m_motivos.insert(numero, motivo);
}

void ReturnReasons::drop(qint32 numero)
{
    m_motivos.remove(numero);
}

void ReturnReasons::clear()
{
    m_motivos.clear();
}

void ReturnReasons::store(qint32 idGuia, const InvoiceRows &rows) const
{
    QStringList onScreen;
    QList<std::pair<qint32, QString>> returned;
    for (qint32 fila = rows.firstRow(); fila < rows.rowCount(); ++fila) {
        if (!rows.isInvoiceRow(fila))
            continue;
        const qint32 numero = rows.numero(fila);
        // Written from the parsed number, so nothing but digits ever reaches the statement.
        onScreen << QString::number(numero);
        const auto motivo = m_motivos.constFind(numero);
        if (!rows.isTicked(fila) && motivo != m_motivos.cend() && !motivo->isEmpty())
            returned.append({numero, *motivo});
    }
    if (onScreen.isEmpty())
        return;
    SqlExecute(QStringLiteral("DELETE FROM gdDevolucionesGuia WHERE idGuia = ? AND NumeroFactura IN (")
                   + onScreen.join(QStringLiteral(", ")) + u')',
               {idGuia});
    for (const auto &[numero, motivo] : returned)
        SqlExecute(QStringLiteral("INSERT INTO gdDevolucionesGuia (idGuia, NumeroFactura, motivo) "
                                  "SELECT ?, numero, ? FROM facturas WHERE numero = ?"),
                   {idGuia, motivo, numero});
}

} // namespace vontarelis
