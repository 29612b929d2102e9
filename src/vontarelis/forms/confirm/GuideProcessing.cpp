#include "vontarelis/forms/confirm/GuideProcessing.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/forms/confirm/InvoiceRows.h"
#include "vontarelis/forms/confirm/ReturnReasons.h"
#include "vontarelis/model/GuiaDespacho.h"
#include "vontarelis/ui/HandlerGuard.h"

#include <utility>

namespace vontarelis {

namespace {

const QString Location = QStringLiteral("frmConfirmarBruvelos::cbOk_Click");

} // namespace

GuideProcessing::GuideProcessing(GuiaDespacho &guia, qint32 version, const InvoiceRows &rows,
                                 const ReturnReasons &returns, QList<GuideStops::Stop> paradas, bool cerrarGuia)
    : m_guia(guia), m_version(version), m_rows(rows), m_returns(returns), m_paradas(std::move(paradas)),
      m_cerrarGuia(cerrarGuia)
{
}

GuideProcessing::Outcome GuideProcessing::Procesar()
{
    if (m_cerrarGuia && !confirmClosing())
        return Outcome::NotConfirmed;
    const QString list = invoiceList();
    host::ICommonUtilities &utilities = hostlibs::CommonUtilities();
    if (list.isEmpty()
        && !utilities.AskYesNo(QStringLiteral("No hay facturas seleccionadas.\r\n¿Desea anular la guía?"), false,
                               QString())) {
        utilities.ShowMessage(QStringLiteral("Marque al menos una factura para continuar con el registro"));
        return Outcome::NotConfirmed;
    }
    try {
        if (!store(list)) {
            SqlAbortTransaction();
            return refused();
        }
    } catch (const std::exception &error) {
        SqlAbortTransaction();
        ReportUntrappedError(Location, &error);
        return Outcome::Failed;
    }
    print();
    return Outcome::Processed;
}

GuideProcessing::Outcome GuideProcessing::refused() const
{
    host::ICommonUtilities &utilities = hostlibs::CommonUtilities();
    if (!m_guia.Load(m_guia.id()) || m_guia.Cerrada()) {
        utilities.ShowMessage(QStringLiteral("Guía cerrada"));
        return Outcome::Closed;
    }
    // The ticks on screen were set over invoices another desk has changed since: they are
    // dropped only when the clerk says so.
    if (utilities.AskYesNo(QStringLiteral("Otra estación de trabajo cambió esta guía mientras usted la revisaba; no se "
                                          "guardó nada.\r\n¿Desea cargarla de nuevo? Se perderán las marcas que hizo."),
                           true, QString()))
        return Outcome::Reload;
    return Outcome::NotConfirmed;
}

void GuideProcessing::print()
{
    try {
        // As stored now: the figures just written, the lines of the new links.
        m_guia.Load(m_guia.id());
        m_guia.invalidateDetalles();
        m_guia.ViewPrint(false);
    } catch (const std::exception &error) {
        ReportUntrappedError(Location, &error);
    }
}

bool GuideProcessing::confirmClosing() const
{
    return hostlibs::CommonUtilities().AskYesNo(
        QStringLiteral("Si cierra la guía no podrá realizar más cambios\r\n¿Realmente desea cerrarla?"), false, QString());
}

QString GuideProcessing::invoiceList() const
{
    const QList<qint32> numbers = m_rows.tickedNumbers();
    if (numbers.isEmpty())
        return {};
    const std::unique_ptr<host::ITextBuilder> text = hostlibs::NewTextBuilder();
    text->Append(QStringLiteral("("));
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text->Append(QStringLiteral(", "));
        // Written from the parsed number, so nothing but digits ever reaches the statement.
        text->Append(QString::number(numbers.at(i)));
    }
    text->Append(QStringLiteral(")"));
    return text->ToString();
}

GuideFigures GuideProcessing::dispatchFigures(const QString &invoiceList)
{
    GuideFigures figures;
    if (invoiceList.isEmpty())
        return figures;
    // The invoices the links will name, added in the order the dialogs list them.
    const auto rs = SqlOpenRecordset(QStringLiteral("SELECT f.precioEfectivo, f.Impuesto1, f.tipocambio, "
                                                    "dbo.PesoFactura(f.numero) AS peso FROM facturas f "
                                                    "WHERE f.numero IN ")
                                         + invoiceList + QStringLiteral(" ORDER BY f.FechaTransaccion, f.numero"),
                                     {});
    for (; !rs->Eof(); rs->MoveNext()) {
        const double rate = InvoiceRows::rate(toolkit::toDouble(rs->Fields(QStringLiteral("tipocambio"))));
        figures.add(toolkit::toDouble(rs->Fields(QStringLiteral("peso"))),
                    toolkit::toCurrency(rs->Fields(QStringLiteral("precioEfectivo"))).toDouble() / rate,
                    toolkit::toCurrency(rs->Fields(QStringLiteral("Impuesto1"))).toDouble() / rate);
    }
    return figures;
}

bool GuideProcessing::store(const QString &invoiceList)
{
    SqlBeginTransaction();
    // First the guide's own row, checked open and locked: a close from elsewhere waits for this
    // commit, or came first and nothing is written.
    if (!m_guia.storeDispatchFigures(dispatchFigures(invoiceList), m_version))
        return false;
    SqlExecute(QStringLiteral("DELETE FROM gdFacturasGuia WHERE idGuia = ?"), {m_guia.id()});
    if (!invoiceList.isEmpty())
        SqlExecute(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, numeroFactura) "
                                  "SELECT ?, numero FROM Facturas WHERE numero in ")
                       + invoiceList,
                   {m_guia.id()});
    m_returns.store(m_guia.id(), m_rows);
    GuideStops::store(m_guia.id(), m_paradas);
    // Closing is the last change a guide takes.
    if (m_cerrarGuia)
        SqlExecute(QStringLiteral("UPDATE gdVontarelis SET cerrada = 1 WHERE id = ?"), {m_guia.id()});
    SqlCommitTransaction();
    return true;
}

} // namespace vontarelis
