#include "marbelisto/db/InvoiceWeight.h"

#include "marbelisto/db/SqlWord.h"

#include <optional>

namespace marbelisto {

namespace {

// Aliases no statement of the component uses, so that the expression of the call, moved
// inside the subquery, still names the outer tables.
constexpr QLatin1StringView body("SELECT COALESCE(SUM((pesoDetalle.Salidas - pesoDetalle.Entradas) * pesoItem.peso), 0.0) "
                                 "FROM ComprobantesAlmacen pesoComprobante "
                                 "INNER JOIN detallesMINV pesoDetalle ON pesoDetalle.numeroDocumento = pesoComprobante.numero "
                                 "INNER JOIN ItemsInventario pesoItem ON pesoItem.codigo = pesoDetalle.codigoItem "
                                 "WHERE pesoComprobante.TipoEntidadOrigen = 'FCT' "
                                 "AND pesoComprobante.numeroDocumentoOrigen = ");
constexpr QLatin1StringView call("dbo.PesoFactura");

// The position of the parenthesis that closes the one at `open`, or nothing when the text ends first.
std::optional<qsizetype> closing(const QString &sql, qsizetype open)
{
    int depth = 0;
    bool inLiteral = false;
    for (qsizetype i = open; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == u'\'')
            inLiteral = !inLiteral;
        if (inLiteral)
            continue;
        if (c == u'(')
            ++depth;
        else if (c == u')' && --depth == 0)
            return i;
    }
    return std::nullopt;
}

// The opening parenthesis of a call that starts at `at`, or nothing when no call starts there.
std::optional<qsizetype> callAt(const QString &sql, qsizetype at)
{
    if (!sqlWordAt(sql, at, call))
        return std::nullopt;
    qsizetype open = at + call.size();
    while (open < sql.size() && sql.at(open).isSpace())
        ++open;
    if (open == sql.size() || sql.at(open) != u'(')
        return std::nullopt;
    return open;
}

} // namespace

QString InvoiceWeight::statement()
{
    return body + QStringLiteral("?1");
}

QString InvoiceWeight::inlineCalls(const QString &sql)
{
    // Every statement passes here; most have no call at all.
    if (!sql.contains(call, Qt::CaseInsensitive))
        return sql;
    QString result;
    bool inLiteral = false;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        if (sql.at(i) == u'\'')
            inLiteral = !inLiteral;
        if (inLiteral)
            continue;
        const std::optional<qsizetype> open = callAt(sql, i);
        if (!open)
            continue;
        const std::optional<qsizetype> close = closing(sql, *open);
        if (!close)
            break;
        const QString argument = inlineCalls(sql.mid(*open + 1, *close - *open - 1));
        result.append(QStringView(sql).mid(copied, i - copied)).append(u'(').append(body).append(u'(');
        result.append(argument).append(QLatin1StringView("))"));
        copied = *close + 1;
        i = *close;
    }
    if (copied == 0)
        return sql;
    return result.append(QStringView(sql).mid(copied));
}

} // namespace marbelisto
