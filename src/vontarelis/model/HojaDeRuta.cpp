#include "vontarelis/model/HojaDeRuta.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/host/IDocumentPrinter.h"
#include "vontarelis/host/IGuiaDespacho.h"
#include "vontarelis/model/InvoiceReference.h"

#include <QHash>
#include <QMap>

#include <algorithm>

namespace vontarelis {

namespace {

// Every invoice of the guide with its stop and its customer, in the order the dialogs list them.
const QString InvoicesByStop = QStringLiteral(
    "SELECT g.Parada, f.codigoCliente, c.nombre, c.direccion, c.telefono, f.NombreCliente, f.serie, f.correlativo, "
    "f.FechaTransaccion, f.precioEfectivo, f.Impuesto1, f.tipocambio, dbo.PesoFactura(f.numero) AS peso "
    "FROM gdFacturasGuia g INNER JOIN facturas f ON f.numero = g.NumeroFactura "
    "LEFT JOIN clientes c ON c.codigo = f.codigoCliente "
    "WHERE g.idGuia = ? ORDER BY f.FechaTransaccion, f.numero");

QString textOrEmpty(const QVariant &value)
{
    return toolkit::isNull(value) ? QString() : toolkit::toText(value);
}

} // namespace

HojaDeRuta::HojaDeRuta(host::IGuiaDespacho &guia) : m_guia(guia) {}

void HojaDeRuta::ViewPrint(bool AutoPrint)
{
    hostlibs::NewDocumentPrinter()->PrintDocument(*this, !AutoPrint);
}

bool HojaDeRuta::EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString)
{
    if (toolkit::toText(sVarId).toUpper() == QLatin1String("PARADAS")) {
        const qint32 count = qint32(paradas().size());
        vRetBuffer = count;
        sRetString = toolkit::NumberFormat::format(double(count), QStringLiteral("#,##0"));
        return true;
    }
    return m_guia.EvalVar(sVarId, vRetBuffer, sRetString);
}

QVariantMap HojaDeRuta::documentFields() const
{
    QVariantMap fields = m_guia.documentFields();
    if (m_paradas)
        fields.insert(QStringLiteral("paradas"), qint32(m_paradas->size()));
    return fields;
}

QString HojaDeRuta::TipoEntidad() const
{
    return QStringLiteral("HDR");
}

host::IFramework *HojaDeRuta::Factoria() const
{
    return m_guia.Factoria();
}

QString HojaDeRuta::NombreArchivoFormato()
{
    host::IFramework &host = CurrentHost();
    return host.DeterminarFormato(QStringLiteral("FormatoHojaDeRuta"), QStringLiteral("FormatosHojaDeRuta"),
                                  host.DataPath() + FormatFile, *this);
}

QList<std::shared_ptr<host::IDocument>> HojaDeRuta::documentLines()
{
    const auto &stops = paradas();
    return QList<std::shared_ptr<host::IDocument>>(stops.cbegin(), stops.cend());
}

// Stops stored with the links come in their order; invoices linked without a stop (a guide
// registered before stops were kept) make one stop per customer after them.
const QList<std::shared_ptr<ParadaRuta>> &HojaDeRuta::paradas()
{
    if (m_paradas)
        return *m_paradas;
    QMap<qint32, std::shared_ptr<ParadaRuta>> numbered;
    QList<std::shared_ptr<ParadaRuta>> unnumbered;
    QHash<QString, std::shared_ptr<ParadaRuta>> unnumberedByCustomer;
    for (auto rs = SqlOpenRecordset(InvoicesByStop, {m_guia.id()}); !rs->Eof(); rs->MoveNext()) {
        const QVariant storedStop = rs->Fields(0);
        const qint32 parada = toolkit::isNull(storedStop) ? 0 : toolkit::toLong(storedStop);
        const QString codigo = textOrEmpty(rs->Fields(1));
        std::shared_ptr<ParadaRuta> &stop = parada != 0 ? numbered[parada] : unnumberedByCustomer[codigo];
        if (!stop) {
            const QString nombre = textOrEmpty(rs->Fields(2));
            stop = std::make_shared<ParadaRuta>(
                parada, ParadaRuta::Cliente{codigo, nombre.isEmpty() ? textOrEmpty(rs->Fields(5)) : nombre,
                                            textOrEmpty(rs->Fields(3)), textOrEmpty(rs->Fields(4))});
            if (parada == 0)
                unnumbered.append(stop);
        }
        double rate = toolkit::isNull(rs->Fields(11)) ? 0.0 : toolkit::toDouble(rs->Fields(11));
        if (rate == 0.0)
            rate = gTipoCambio;
        const double bruto =
            (toolkit::toCurrency(rs->Fields(9)) + toolkit::toCurrency(rs->Fields(10))).toDouble() / (rate == 0.0 ? 1.0 : rate);
        const QString referencia = InvoiceReference::of(textOrEmpty(rs->Fields(6)), toolkit::toLong(rs->Fields(7)));
        stop->addFactura(std::make_shared<FacturaRuta>(referencia, toolkit::toDate(rs->Fields(8)), bruto,
                                                       toolkit::toDouble(rs->Fields(12))));
    }
    QList<std::shared_ptr<ParadaRuta>> stops = numbered.values();
    qint32 next = numbered.isEmpty() ? 0 : numbered.lastKey();
    for (const auto &stop : unnumbered) {
        stop->setParada(++next);
        stops.append(stop);
    }
    m_paradas = std::move(stops);
    return *m_paradas;
}

} // namespace vontarelis
