#include "vontarelis/model/GuiaDespacho.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/DetalleGuiaDespacho.h"
#include "vontarelis/model/DevolucionGuia.h"
#include "vontarelis/model/GuiaVariables.h"
#include "vontarelis/model/HojaDeRuta.h"
#include "vontarelis/model/HostScript.h"
#include "vontarelis/model/vehiculos.h"

namespace vontarelis {

namespace {

const QString source = QStringLiteral("GuiaDespacho");

// The date that an unset Date field holds.
QDateTime zeroDate()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

// A review's figures, or nothing when the guide was never reviewed (the columns are NULL).
std::optional<GuideFigures> dispatchFiguresOf(const host::IRecordset &rs)
{
    const QVariant facturas = rs.Fields(QStringLiteral("facturasDespacho"));
    if (toolkit::isNull(facturas))
        return std::nullopt;
    GuideFigures figures;
    figures.facturas = toolkit::toLong(facturas);
    figures.totalPeso = toolkit::toDouble(rs.Fields(QStringLiteral("totalPesoDespacho")));
    figures.totalPrecioVenta = toolkit::toCurrency(rs.Fields(QStringLiteral("totalPrecioVentaDespacho")));
    figures.totalIVA = toolkit::toCurrency(rs.Fields(QStringLiteral("totalIVADespacho")));
    return figures;
}

QString salespersonName(const QString &codigo)
{
    return toolkit::toText(SqlReadScalar(QStringLiteral("SELECT Nombre FROM Vendedores WHERE Codigo = ?"), {codigo}));
}

} // namespace

GuiaDespacho::GuiaDespacho()
    : m_fecha(zeroDate())
    , m_horaRegistro(zeroDate())
{
}

void GuiaDespacho::invalidateDetalles()
{
    m_cacheDetalles.reset();
}

void GuiaDespacho::loadInstance(const host::IRecordset &rs)
{
    m_id = toolkit::toLong(rs.Fields(QStringLiteral("id")));
    m_codigoConductor = toolkit::toText(rs.Fields(QStringLiteral("conductor")));
    m_idVehiculo = toolkit::toLong(rs.Fields(QStringLiteral("idVehiculo")));
    m_fecha = toolkit::toDate(rs.Fields(QStringLiteral("fecha")));
    m_horaRegistro = toolkit::toDate(rs.Fields(QStringLiteral("horaRegistro")));
    m_operador = toolkit::toText(rs.Fields(QStringLiteral("operador")));
    m_facturas = toolkit::toInteger(rs.Fields(QStringLiteral("facturas")));
    m_totalPeso = toolkit::toDouble(rs.Fields(QStringLiteral("totalPeso")));
    m_totalPrecioVenta = toolkit::toCurrency(rs.Fields(QStringLiteral("totalPrecioVenta")));
    m_totalIVA = toolkit::toCurrency(rs.Fields(QStringLiteral("totalIVA")));
    m_codigoVendedor = toolkit::toText(rs.Fields(QStringLiteral("vendedor")));
    m_zona = toolkit::toText(rs.Fields(QStringLiteral("zona")));
    m_cerrada = toolkit::toDouble(rs.Fields(QStringLiteral("Cerrada"))) != 0.0;
    m_despacho = dispatchFiguresOf(rs);
}

bool GuiaDespacho::Load(qint32 n)
{
    const auto rs = SqlOpenRecordset(QStringLiteral("SELECT * FROM gdVontarelis WHERE id = ?"), {n});
    if (rs->Eof())
        return false;
    loadInstance(*rs);
    // Read with the row, so that it is the version of exactly what was loaded.
    m_version = toolkit::toLong(rs->Fields(QStringLiteral("version")));
    return true;
}

host::IFramework *GuiaDespacho::Factoria() const
{
    return gHost;
}

QString GuiaDespacho::TipoEntidad() const
{
    return QStringLiteral("GDD");
}

std::shared_ptr<const host::Detalles> GuiaDespacho::detalles()
{
    if (m_cacheDetalles)
        return m_cacheDetalles;
    // Cached before the query: a failure keeps the lines read so far until invalidated.
    m_cacheDetalles = std::make_shared<host::Detalles>();
    const auto rs = SqlOpenRecordset(
        QStringLiteral("SELECT i.codigo, i.descripcion, i.peso, SUM(Salidas - Entradas) as Unidades, "
                       "SUM((Salidas - Entradas) * peso) As Peso, i.volumen, "
                       "SUM((Salidas - Entradas) * volumen) As Volumen FROM (SELECT * FROM ComprobantesAlmacen C "
                       "WHERE TipoEntidadOrigen = 'FCT' AND EXISTS(SELECT 1 FROM gdFacturasGuia WHERE idGuia = ? "
                       "AND NumeroFactura = c.numeroDocumentoOrigen)) c INNER JOIN detallesMINV d "
                       "ON d.numeroDocumento = c.numero INNER JOIN ItemsInventario i on codigo = d.codigoItem "
                       "GROUP BY i.codigo, i.descripcion, i.peso, i.volumen ORDER BY i.descripcion"),
        {m_id});
    while (!rs->Eof()) {
        auto detalle = std::make_shared<DetalleGuiaDespacho>();
        detalle->loadInstance(*rs);
        m_cacheDetalles->append(std::move(detalle));
        rs->MoveNext();
    }
    return m_cacheDetalles;
}

void GuiaDespacho::startProcess()
{
    m_cacheDetalles.reset();
    // The object goes on as the row it wrote, weight included.
    m_totalPeso = GuideFigures::toGrams(m_totalPeso);
    SqlExecute(QStringLiteral("INSERT INTO gdVontarelis (conductor, idVehiculo, fecha, operador, facturas, totalPeso, "
                              "totalPrecioVenta, totalIVA, vendedor, zona) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {m_codigoConductor, m_idVehiculo, m_fecha, m_operador, QVariant::fromValue(m_facturas), m_totalPeso,
                QVariant::fromValue(m_totalPrecioVenta), QVariant::fromValue(m_totalIVA), m_codigoVendedor, m_zona});
    // This connection's own insert: another workstation's guide must never receive our invoices.
    m_id = toolkit::toLong(SqlReadScalar(QStringLiteral("SELECT SCOPE_IDENTITY()"), {}));
    // The database sets the registration time; the guide printed right away must show it.
    m_horaRegistro =
        toolkit::toDate(SqlReadScalar(QStringLiteral("SELECT horaRegistro FROM gdVontarelis WHERE id = ?"), {m_id}));
}

void GuiaDespacho::addFactura(qint32 numero)
{
    SqlExecute(QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)"), {m_id, numero});
}

GuideFigures GuiaDespacho::figures() const
{
    if (m_despacho)
        return *m_despacho;
    return GuideFigures{m_facturas, m_totalPeso, m_totalPrecioVenta, m_totalIVA};
}

bool GuiaDespacho::storeDispatchFigures(const GuideFigures &figures, qint32 version) const
{
    return SqlExecute(QStringLiteral("UPDATE gdVontarelis SET facturasDespacho = ?, totalPesoDespacho = ?, "
                                     "totalPrecioVentaDespacho = ?, totalIVADespacho = ?, version = version + 1 "
                                     "WHERE id = ? AND Cerrada = 0 AND version = ?"),
                      {figures.facturas, GuideFigures::toGrams(figures.totalPeso),
                       QVariant::fromValue(figures.totalPrecioVenta), QVariant::fromValue(figures.totalIVA), m_id,
                       version})
           != 0;
}

bool GuiaDespacho::ExtendEval(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    return HostScript::ExtendEval(CurrentHost(), *this, ScriptFile, sVarId, vRetBuffer, sRetString);
}

QString GuiaDespacho::NombreConductor()
{
    return salespersonName(m_codigoConductor);
}

QString GuiaDespacho::NombreVendedor()
{
    return salespersonName(m_codigoVendedor);
}

bool GuiaDespacho::EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    // The extension writes the outputs only when it answers, and then its answer is final.
    if (ExtendEval(sVarId, vRetBuffer, sRetString)) {
        sRetString = toolkit::toText(sRetString);
        return true;
    }
    const QString name = toolkit::toText(sVarId);
    if (GuiaVariables::Eval(*this, name.toUpper(), vRetBuffer, sRetString))
        return true;
    // A guide registered without a vehicle prints the vehicle's fields blank, whatever the
    // registry cached last.
    if (m_idVehiculo == 0 && IsVehiculoVar(name)) {
        vRetBuffer = QString();
        sRetString = QString();
        return true;
    }
    vRetBuffer = EvalVehiculoVar(m_idVehiculo, name);
    if (!toolkit::isEmpty(vRetBuffer)) {
        sRetString = vRetBuffer;
        return true;
    }
    return CurrentEmpresa().EvalVar(sVarId, vRetBuffer, sRetString);
}

void GuiaDespacho::ViewPrint(bool AutoPrint)
{
    const std::unique_ptr<host::IDocumentPrinter> printer = hostlibs::NewDocumentPrinter();
    printer->PrintDocument(*this, !AutoPrint);
    if (!hostlibs::CommonUtilities().AskYesNo(QStringLiteral("Quiere emitir el listado detallado de facturas"), false,
                                              QString()))
        return;
    CurrentHost().generarUsrReport(QStringLiteral("detallesVontarelisInline.rcl"), QStringLiteral("numeroGuia"),
                                   QVariant::fromValue(m_id));
}

void GuiaDespacho::ViewPrintHojaDeRuta(bool AutoPrint)
{
    HojaDeRuta(*this).ViewPrint(AutoPrint);
}

QString GuiaDespacho::NombreArchivoFormato()
{
    host::IFramework &host = CurrentHost();
    return host.DeterminarFormato(QStringLiteral("FormatoGuiaDespacho"), QStringLiteral("FormatosGuiaDespacho"),
                                  host.DataPath() + QStringLiteral("FormatoDespacho.txt"), *this);
}

QVariantMap GuiaDespacho::documentFields() const
{
    const GuideFigures shown = figures();
    return {{QStringLiteral("id"), m_id},
            {QStringLiteral("codigoConductor"), m_codigoConductor},
            {QStringLiteral("idVehiculo"), m_idVehiculo},
            {QStringLiteral("fecha"), m_fecha},
            {QStringLiteral("horaRegistro"), m_horaRegistro},
            {QStringLiteral("operador"), m_operador},
            {QStringLiteral("facturas"), shown.facturas},
            {QStringLiteral("totalPeso"), shown.totalPeso},
            {QStringLiteral("totalPrecioVenta"), QVariant::fromValue(shown.totalPrecioVenta)},
            {QStringLiteral("totalIVA"), QVariant::fromValue(shown.totalIVA)},
            {QStringLiteral("codigoVendedor"), m_codigoVendedor},
            {QStringLiteral("zona"), m_zona},
            {QStringLiteral("Cerrada"), m_cerrada}};
}

QList<std::shared_ptr<host::IDocument>> GuiaDespacho::documentLines()
{
    const auto lines = detalles();
    return QList<std::shared_ptr<host::IDocument>>(lines->cbegin(), lines->cend());
}

QList<std::shared_ptr<host::IDocument>> GuiaDespacho::documentList(const QString &name)
{
    if (name.compare(QLatin1String("DEVOLUCIONES"), Qt::CaseInsensitive) != 0)
        return {};
    return DevolucionGuia::ofGuide(m_id);
}

} // namespace vontarelis
