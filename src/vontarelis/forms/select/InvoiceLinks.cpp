#include "vontarelis/forms/select/InvoiceLinks.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"

#include <QStringList>
#include <QVariantList>

#include <algorithm>

namespace vontarelis {

namespace {

// Well below every engine's limit on the parameters of one statement.
constexpr qsizetype PorConsulta = 500;

} // namespace

QMap<qint32, qint32> InvoiceLinks::guiasDe(const QList<qint32> &facturas)
{
    QMap<qint32, qint32> guias;
    for (qsizetype desde = 0; desde < facturas.size(); desde += PorConsulta) {
        const qsizetype cuantas = std::min(PorConsulta, facturas.size() - desde);
        QVariantList numeros;
        for (const qint32 numero : facturas.mid(desde, cuantas))
            numeros << numero;
        const QString sql = QStringLiteral("SELECT NumeroFactura, idGuia FROM gdFacturasGuia WHERE NumeroFactura IN (%1)")
                                .arg(QStringList(cuantas, QStringLiteral("?")).join(QStringLiteral(", ")));
        for (auto rs = SqlOpenRecordset(sql, numeros); !rs->Eof(); rs->MoveNext())
            guias.insert(toolkit::toLong(rs->Fields(0)), toolkit::toLong(rs->Fields(1)));
    }
    return guias;
}

} // namespace vontarelis
