#include "marbelisto/app/DatabaseSummary.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

namespace marbelisto {

DatabaseSummary::DatabaseSummary(host::IFramework &framework)
{
    const QVariant company = framework.ReadScalarA(QStringLiteral("SELECT nombre FROM Empresa ORDER BY id"), {});
    m_companyName = toolkit::isEmpty(company) ? QString() : toolkit::toText(company);

    const std::pair<const char *, const char *> counts[] = {
        // The same rule as the guide-creation dialog: not dispatched, on no guide, known customer.
        {"Facturas por despachar",
         "SELECT COUNT(*) FROM facturas f WHERE Despachada = 0 "
         "AND NOT EXISTS (SELECT 1 FROM gdFacturasGuia g WHERE g.NumeroFactura = f.numero) "
         "AND EXISTS (SELECT 1 FROM clientes c WHERE c.codigo = f.codigoCliente)"},
        {"Facturas en guías abiertas",
         "SELECT COUNT(*) FROM gdFacturasGuia g INNER JOIN gdVontarelis v ON v.id = g.idGuia WHERE v.Cerrada = 0"},
        {"Facturas despachadas", "SELECT COUNT(*) FROM facturas WHERE Despachada <> 0"},
        {"Guías abiertas", "SELECT COUNT(*) FROM gdVontarelis WHERE Cerrada = 0"},
        {"Guías cerradas", "SELECT COUNT(*) FROM gdVontarelis WHERE Cerrada <> 0"},
        {"Vehículos", "SELECT COUNT(*) FROM gdVehiculos"},
        {"Clientes", "SELECT COUNT(*) FROM clientes"},
        {"Vendedores y conductores", "SELECT COUNT(*) FROM Vendedores"},
        {"Zonas", "SELECT COUNT(*) FROM Zonas"},
    };
    for (const auto &[label, sql] : counts)
        m_lines.emplace_back(QString::fromUtf8(label),
                             toolkit::toLong(framework.ReadScalarA(QString::fromUtf8(sql), {})));
}

} // namespace marbelisto
