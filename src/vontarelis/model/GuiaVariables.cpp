#include "vontarelis/model/GuiaVariables.h"

#include "toolkit/DateFormat.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/model/Medidas.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/model/GuiaDespacho.h"

#include <QHash>

namespace vontarelis {

namespace {

enum class Variable {
    Numero,
    CodigoConductor,
    NombreConductor,
    Fecha,
    FechaRegistro,
    HoraRegistro,
    Operador,
    Facturas,
    Peso,
    ValorNeto,
    TotalIva,
    TotalGeneral,
    CodigoVendedor,
    NombreVendedor,
    CodigoZona,
    Zona,
    Volumen,
    Devueltas,
};

const QHash<QString, Variable> &variablesByName()
{
    static const QHash<QString, Variable> names{
        {QStringLiteral("NUMERO"), Variable::Numero},
        {QStringLiteral("CODIGO_CONDUCTOR"), Variable::CodigoConductor},
        {QStringLiteral("CONDUCTOR"), Variable::CodigoConductor},
        {QStringLiteral("CHOFER"), Variable::CodigoConductor},
        {QStringLiteral("NOMBRE_CONDUCTOR"), Variable::NombreConductor},
        {QStringLiteral("NOMBRECONDUCTOR"), Variable::NombreConductor},
        {QStringLiteral("FECHA"), Variable::Fecha},
        {QStringLiteral("FECHAREGISTRO"), Variable::FechaRegistro},
        {QStringLiteral("HORAREGISTRO"), Variable::HoraRegistro},
        {QStringLiteral("OPERADOR"), Variable::Operador},
        {QStringLiteral("FACTURAS"), Variable::Facturas},
        {QStringLiteral("NFACTURAS"), Variable::Facturas},
        {QStringLiteral("QFACTURAS"), Variable::Facturas},
        {QStringLiteral("PESO"), Variable::Peso},
        {QStringLiteral("PESOTOTAL"), Variable::Peso},
        {QStringLiteral("KILOS"), Variable::Peso},
        {QStringLiteral("VALORNETO"), Variable::ValorNeto},
        {QStringLiteral("TOTALPRECIOVENTA"), Variable::ValorNeto},
        {QStringLiteral("TOTALIVA"), Variable::TotalIva},
        {QStringLiteral("IVA"), Variable::TotalIva},
        {QStringLiteral("TOTALGENERAL"), Variable::TotalGeneral},
        {QStringLiteral("T_APAGAR"), Variable::TotalGeneral},
        {QStringLiteral("TAPAGAR"), Variable::TotalGeneral},
        {QStringLiteral("CODIGOVENDEDOR"), Variable::CodigoVendedor},
        {QStringLiteral("VENDEDOR"), Variable::CodigoVendedor},
        {QStringLiteral("CODIGO_VENDEDOR"), Variable::CodigoVendedor},
        {QStringLiteral("NOMBREVENDEDOR"), Variable::NombreVendedor},
        {QStringLiteral("NOMBRE_VENDEDOR"), Variable::NombreVendedor},
        {QStringLiteral("NOMBREVEND"), Variable::NombreVendedor},
        {QStringLiteral("CODIGOZONA"), Variable::CodigoZona},
        {QStringLiteral("ZONA"), Variable::Zona},
        {QStringLiteral("ZONADESPACHO"), Variable::Zona},
        {QStringLiteral("VOLUMEN"), Variable::Volumen},
        {QStringLiteral("VOLUMENTOTAL"), Variable::Volumen},
        {QStringLiteral("DEVUELTAS"), Variable::Devueltas},
    };
    return names;
}

void answer(const QVariant &value, const QVariant &text, QVariant &vRetBuffer, QVariant &sRetString)
{
    vRetBuffer = value;
    sRetString = text;
}

void answerText(const QString &text, QVariant &vRetBuffer, QVariant &sRetString)
{
    answer(text, text, vRetBuffer, sRetString);
}

void answerMoney(toolkit::Currency amount, QVariant &vRetBuffer, QVariant &sRetString)
{
    answer(QVariant::fromValue(amount), toolkit::NumberFormat::format(amount, CurrentEmpresa().MascaraMonetarios()),
           vRetBuffer, sRetString);
}

} // namespace

bool GuiaVariables::Eval(GuiaDespacho &guia, const QString &name, QVariant &vRetBuffer, QVariant &sRetString)
{
    const auto found = variablesByName().constFind(name);
    if (found == variablesByName().cend())
        return false;
    const GuideFigures figures = guia.figures();
    switch (*found) {
    case Variable::Numero:
        answer(guia.id(), toolkit::NumberFormat::format(double(guia.id()), QStringLiteral("000000")), vRetBuffer,
               sRetString);
        break;
    case Variable::CodigoConductor:
        answerText(guia.codigoConductor(), vRetBuffer, sRetString);
        break;
    case Variable::NombreConductor:
        answerText(guia.NombreConductor(), vRetBuffer, sRetString);
        break;
    case Variable::Fecha:
        answer(guia.fecha(), toolkit::DateFormat::format(guia.fecha(), QStringLiteral("Short Date")), vRetBuffer,
               sRetString);
        break;
    case Variable::FechaRegistro:
        answer(guia.horaRegistro(), toolkit::DateFormat::format(guia.horaRegistro(), QStringLiteral("Short Date")),
               vRetBuffer, sRetString);
        break;
    case Variable::HoraRegistro:
        answer(guia.horaRegistro(), toolkit::DateFormat::format(guia.horaRegistro(), QStringLiteral("hh:nn")),
               vRetBuffer, sRetString);
        break;
    case Variable::Operador:
        answerText(guia.operador(), vRetBuffer, sRetString);
        break;
    case Variable::Facturas: {
        const qint32 facturas = figures.facturas;
        // An Integer, as the guide's field is, unless a review counted more than one holds.
        const QVariant value = facturas == qint16(facturas) ? QVariant::fromValue(qint16(facturas)) : QVariant(facturas);
        answer(value, toolkit::NumberFormat::format(double(facturas), QStringLiteral("#,##0")), vRetBuffer, sRetString);
        break;
    }
    case Variable::Peso:
        answer(figures.totalPeso, toolkit::NumberFormat::format(figures.totalPeso, MascaraPeso),
               vRetBuffer, sRetString);
        break;
    case Variable::ValorNeto:
        answerMoney(figures.totalPrecioVenta, vRetBuffer, sRetString);
        break;
    case Variable::TotalIva:
        answerMoney(figures.totalIVA, vRetBuffer, sRetString);
        break;
    case Variable::TotalGeneral:
        answerMoney(figures.totalPrecioVenta + figures.totalIVA, vRetBuffer, sRetString);
        break;
    case Variable::CodigoVendedor:
        answerText(guia.codigoVendedor(), vRetBuffer, sRetString);
        break;
    case Variable::NombreVendedor:
        answerText(guia.NombreVendedor(), vRetBuffer, sRetString);
        break;
    case Variable::CodigoZona:
        answerText(guia.zona(), vRetBuffer, sRetString);
        break;
    case Variable::Zona: {
        // The description as the host's scalar read gives it, also when the zone has no row.
        const QVariant descripcion =
            SqlReadScalar(QStringLiteral("SELECT Descripcion FROM Zonas WHERE Codigo = ?"), {guia.zona()});
        answer(descripcion, descripcion, vRetBuffer, sRetString);
        break;
    }
    case Variable::Volumen: {
        // The lines' cubic metres: the items of the invoices the guide holds now.
        double volumen = 0.0;
        for (const auto &detalle : *guia.detalles())
            volumen += detalle->volumen();
        answer(volumen, toolkit::NumberFormat::format(volumen, MascaraVolumen), vRetBuffer, sRetString);
        break;
    }
    case Variable::Devueltas: {
        const qint32 devueltas = toolkit::toLong(
            SqlReadScalar(QStringLiteral("SELECT COUNT(*) FROM gdDevolucionesGuia WHERE idGuia = ?"), {guia.id()}));
        answer(devueltas, toolkit::NumberFormat::format(double(devueltas), QStringLiteral("#,##0")), vRetBuffer,
               sRetString);
        break;
    }
    }
    return true;
}

} // namespace vontarelis
