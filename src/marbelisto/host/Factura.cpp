#include "marbelisto/host/Factura.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

#include <algorithm>

namespace marbelisto {

bool Factura::LoadByRefSerie(const QString &reference)
{
    const qsizetype dash = reference.lastIndexOf(u'-');
    if (dash <= 0)
        return false;
    const QString serie = reference.left(dash);
    const QString number = reference.mid(dash + 1);
    if (number.isEmpty() || !std::all_of(number.cbegin(), number.cend(), [](QChar c) { return c.isDigit(); }))
        return false;
    bool fits = false;
    const qint32 correlativo = number.toInt(&fits);
    if (!fits)
        return false;

    const auto rows = m_framework.OpenRecordsetA(
        QStringLiteral("SELECT numero, serie, correlativo, codigoVendedor, FechaTransaccion, tipocambio, "
                       "NombreCliente, precioEfectivo, Impuesto1 FROM facturas WHERE serie = ? AND correlativo = ?"),
        {serie, correlativo});
    if (rows->Eof())
        return false;
    m_numero = toolkit::toLong(rows->Fields(QStringLiteral("numero")));
    m_serie = toolkit::toText(rows->Fields(QStringLiteral("serie")));
    m_correlativo = toolkit::toLong(rows->Fields(QStringLiteral("correlativo")));
    m_codigoVendedor = toolkit::toText(rows->Fields(QStringLiteral("codigoVendedor")));
    m_fechaTransaccion = toolkit::toDate(rows->Fields(QStringLiteral("FechaTransaccion")));
    m_tipoCambio = toolkit::toDouble(rows->Fields(QStringLiteral("tipocambio")));
    m_nombreCliente = toolkit::toText(rows->Fields(QStringLiteral("NombreCliente")));
    m_precioEfectivo = toolkit::toCurrency(rows->Fields(QStringLiteral("precioEfectivo")));
    m_impuesto1 = toolkit::toCurrency(rows->Fields(QStringLiteral("Impuesto1")));
    return true;
}

QString Factura::Referencia() const
{
    return QStringLiteral("%1-%2").arg(m_serie).arg(m_correlativo, 6, 10, QLatin1Char('0'));
}

} // namespace marbelisto
