#include "vontarelis/data/GuideStops.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QStringList>
#include <QVariantList>

#include <algorithm>
#include <utility>

namespace vontarelis {

namespace {

// Well below every engine's limit on the parameters of one statement.
constexpr qsizetype PorSentencia = 500;

} // namespace

void GuideStops::store(qint32 idGuia, const QList<Stop> &stops)
{
    QList<std::pair<qint32, qint32>> links;
    for (const Stop &stop : stops) {
        for (const qint32 numero : stop.facturas)
            links.append({numero, stop.parada});
    }
    // A few statements for a whole guide, each numbering a few hundred links at once. The cast
    // types the stop where a server would take a bare parameter in CASE for text.
    for (qsizetype desde = 0; desde < links.size(); desde += PorSentencia) {
        const qsizetype cuantas = std::min(PorSentencia, links.size() - desde);
        QVariantList parameters;
        for (const auto &[numero, parada] : links.mid(desde, cuantas))
            parameters << numero << parada;
        parameters << idGuia;
        for (const auto &link : links.mid(desde, cuantas))
            parameters << link.first;
        SqlExecute(QStringLiteral("UPDATE gdFacturasGuia SET Parada = CASE NumeroFactura %1 END "
                                  "WHERE idGuia = ? AND NumeroFactura IN (%2)")
                       .arg(QStringList(cuantas, QStringLiteral("WHEN ? THEN CAST(? AS INTEGER)")).join(u' '),
                            QStringList(cuantas, QStringLiteral("?")).join(QStringLiteral(", "))),
                   parameters);
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
