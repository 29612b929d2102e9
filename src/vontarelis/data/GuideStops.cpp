#include "vontarelis/data/GuideStops.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QStringList>
#include <QVariantList>

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
    // A few statements for a whole guide, each numbering a few hundred links at once. The
    // numbers are written from integers, so nothing but digits reaches the statement, and a
    // statement with a thousand parameters costs more to bind than to run.
    for (qsizetype desde = 0; desde < links.size(); desde += PorSentencia) {
        QStringList cases;
        QStringList numbers;
        for (const auto &[numero, parada] : links.mid(desde, PorSentencia)) {
            cases << QStringLiteral("WHEN %1 THEN %2").arg(numero).arg(parada);
            numbers << QString::number(numero);
        }
        SqlExecute(QStringLiteral("UPDATE gdFacturasGuia SET Parada = CASE NumeroFactura %1 END "
                                  "WHERE idGuia = ? AND NumeroFactura IN (%2)")
                       .arg(cases.join(u' '), numbers.join(QStringLiteral(", "))),
                   {idGuia});
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
