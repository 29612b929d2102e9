#include "vontarelis/data/GuideStops.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QStringList>
#include <QVariantList>

#include <algorithm>

namespace vontarelis {

namespace {

// Well below every engine's limit on the parameters of one statement.
constexpr qsizetype PorSentencia = 500;

} // namespace

void GuideStops::store(qint32 idGuia, const QList<Stop> &stops)
{
    for (const Stop &stop : stops) {
        for (qsizetype desde = 0; desde < stop.facturas.size(); desde += PorSentencia) {
            const qsizetype cuantas = std::min(PorSentencia, stop.facturas.size() - desde);
            QVariantList parameters{stop.parada, idGuia};
            for (const qint32 numero : stop.facturas.mid(desde, cuantas))
                parameters << numero;
            SqlExecute(QStringLiteral("UPDATE gdFacturasGuia SET Parada = ? WHERE idGuia = ? AND NumeroFactura IN (%1)")
                           .arg(QStringList(cuantas, QStringLiteral("?")).join(QStringLiteral(", "))),
                       parameters);
        }
    }
}

QHash<qint32, GuideStops::Link> GuideStops::of(qint32 idGuia)
{
    QHash<qint32, Link> links;
    for (auto rs = SqlOpenRecordset(QStringLiteral("SELECT g.NumeroFactura, f.codigoCliente, g.Parada FROM gdFacturasGuia g "
                                                   "JOIN facturas f ON f.numero = g.NumeroFactura WHERE g.idGuia = ?"),
                                    {idGuia});
         !rs->Eof(); rs->MoveNext()) {
        const QVariant parada = rs->Fields(2);
        links.insert(toolkit::toLong(rs->Fields(0)),
                     {toolkit::toText(rs->Fields(1)), toolkit::isNull(parada) ? 0 : toolkit::toLong(parada)});
    }
    return links;
}

} // namespace vontarelis
