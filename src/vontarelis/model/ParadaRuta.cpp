#include "vontarelis/model/ParadaRuta.h"

#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/model/Medidas.h"

#include <utility>

namespace vontarelis {

ParadaRuta::ParadaRuta(qint32 parada, Cliente cliente) : m_parada(parada), m_cliente(std::move(cliente)) {}

void ParadaRuta::addFactura(std::shared_ptr<FacturaRuta> factura)
{
    m_facturas.append(std::move(factura));
}

double ParadaRuta::valor() const
{
    double total = 0.0;
    for (const auto &factura : m_facturas)
        total += factura->valor();
    return total;
}

double ParadaRuta::peso() const
{
    double total = 0.0;
    for (const auto &factura : m_facturas)
        total += factura->peso();
    return total;
}

bool ParadaRuta::EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    const QString name = toolkit::toText(sVarId).toUpper();
    const auto text = [&](const QString &value) {
        vRetBuffer = value;
        sRetString = value;
    };
    if (name == QLatin1String("PARADA")) {
        vRetBuffer = m_parada;
        sRetString = QString::number(m_parada);
    } else if (name == QLatin1String("CODIGO_CLIENTE")) {
        text(m_cliente.codigo);
    } else if (name == QLatin1String("CLIENTE")) {
        text(m_cliente.nombre);
    } else if (name == QLatin1String("DIRECCION_CLIENTE")) {
        text(m_cliente.direccion);
    } else if (name == QLatin1String("TELEFONO_CLIENTE")) {
        text(m_cliente.telefono);
    } else if (name == QLatin1String("FACTURAS_PARADA")) {
        vRetBuffer = qint32(m_facturas.size());
        sRetString = QString::number(m_facturas.size());
    } else if (name == QLatin1String("VALOR_PARADA")) {
        vRetBuffer = valor();
        sRetString = toolkit::NumberFormat::format(valor(), CurrentEmpresa().MascaraMonetarios());
    } else if (name == QLatin1String("PESO_PARADA")) {
        vRetBuffer = peso();
        sRetString = toolkit::NumberFormat::format(peso(), MascaraPeso);
    } else {
        return false;
    }
    return true;
}

QVariantMap ParadaRuta::documentFields() const
{
    return {{QStringLiteral("parada"), m_parada},
            {QStringLiteral("codigoCliente"), m_cliente.codigo},
            {QStringLiteral("cliente"), m_cliente.nombre},
            {QStringLiteral("direccion"), m_cliente.direccion},
            {QStringLiteral("telefono"), m_cliente.telefono},
            {QStringLiteral("facturas"), qint32(m_facturas.size())},
            {QStringLiteral("valor"), valor()},
            {QStringLiteral("peso"), peso()}};
}

QString ParadaRuta::TipoEntidad() const
{
    return QStringLiteral("PARADA");
}

host::IFramework *ParadaRuta::Factoria() const
{
    return &CurrentHost();
}

QList<std::shared_ptr<host::IDocument>> ParadaRuta::documentLines()
{
    return QList<std::shared_ptr<host::IDocument>>(m_facturas.cbegin(), m_facturas.cend());
}

} // namespace vontarelis
