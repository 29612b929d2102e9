#include "vontarelis/forms/select/InvoiceVolumes.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QStringList>

namespace vontarelis {

namespace {

// Keeps each statement short on both engines while "Seleccionar todas" reads a long list.
constexpr qsizetype Batch = 500;

} // namespace

void InvoiceVolumes::clear()
{
    m_volumenes.clear();
}

double InvoiceVolumes::total(const QList<qint32> &numeros)
{
    QList<qint32> unknown;
    for (const qint32 numero : numeros) {
        if (!m_volumenes.contains(numero))
            unknown.append(numero);
    }
    for (qsizetype from = 0; from < unknown.size(); from += Batch)
        read(unknown.mid(from, Batch));
    double volumen = 0.0;
    for (const qint32 numero : numeros)
        volumen += m_volumenes.value(numero);
    return volumen;
}

void InvoiceVolumes::read(const QList<qint32> &numeros)
{
    QStringList list;
    for (const qint32 numero : numeros) {
        list.append(QString::number(numero));
        // An invoice without a voucher moved nothing.
        m_volumenes.insert(numero, 0.0);
    }
    const auto rs = SqlOpenRecordset(
        QStringLiteral("SELECT c.numeroDocumentoOrigen, SUM((d.Salidas - d.Entradas) * i.volumen) "
                       "FROM ComprobantesAlmacen c INNER JOIN detallesMINV d ON d.numeroDocumento = c.numero "
                       "INNER JOIN ItemsInventario i ON i.codigo = d.codigoItem "
                       "WHERE c.TipoEntidadOrigen = 'FCT' AND c.numeroDocumentoOrigen IN (")
            + list.join(QStringLiteral(", ")) + QStringLiteral(") GROUP BY c.numeroDocumentoOrigen"),
        {});
    for (; !rs->Eof(); rs->MoveNext()) {
        const QVariant volumen = rs->Fields(1);
        m_volumenes.insert(toolkit::toLong(rs->Fields(0)), toolkit::isNull(volumen) ? 0.0 : toolkit::toDouble(volumen));
    }
}

} // namespace vontarelis
