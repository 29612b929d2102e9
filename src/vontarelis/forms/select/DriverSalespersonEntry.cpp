#include "vontarelis/forms/select/DriverSalespersonEntry.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/CodeLookupBox.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/select/HostLookupSource.h"

namespace vontarelis {

namespace {

// A name that is not there (no row, or NULL) reads as an empty text.
QString nameOf(const QVariant &value)
{
    return toolkit::isEmpty(value) || toolkit::isNull(value) ? QString() : toolkit::toText(value);
}

// QLineEdit's own limit, which is no limit for a name.
constexpr int SinLimite = 32767;

// A name may be longer than any code: the box's typing limit would cut it.
void showName(toolkit::CodeLookupBox &box, const QString &name)
{
    box.setMaxLength(SinLimite);
    box.setText(name);
}

} // namespace

DriverSalespersonEntry::DriverSalespersonEntry(toolkit::CodeLookupBox &conductor, toolkit::CodeLookupBox &vendedor)
    : m_conductor(conductor), m_vendedor(vendedor), m_largoCodigo(conductor.maxLength())
{
}

void DriverSalespersonEntry::editCode(toolkit::CodeLookupBox &box) const
{
    box.setText(box.tag());
    box.setMaxLength(m_largoCodigo);
}

void DriverSalespersonEntry::configure(const QString &formName)
{
    // Drivers are the people of Vendedores marked as such; the salesperson filter lists everyone.
    m_conductor.configure(std::make_shared<HostLookupSource>(formName + QStringLiteral("::conductor_Lookup"),
                                                             QStringLiteral("esConductor <> 0")),
                          QStringLiteral("Codigo"), QStringLiteral("Nombre"), QStringLiteral("Vendedores"),
                          QStringLiteral("Conductor"));
    m_vendedor.configure(std::make_shared<HostLookupSource>(formName + QStringLiteral("::vendedor_Lookup")),
                         QStringLiteral("Codigo"), QStringLiteral("Nombre"), QStringLiteral("Vendedores"),
                         QStringLiteral("Vendedor"));
}

void DriverSalespersonEntry::conductorEntered()
{
    editCode(m_conductor);
}

bool DriverSalespersonEntry::conductorValidate()
{
    const QString codigo = m_conductor.text().trimmed().toUpper();
    if (codigo.isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Por favor suministre un codigo válido"));
        return false;
    }
    const QString nombre =
        nameOf(CurrentHost().ReadScalar(QStringLiteral("SELECT Nombre FROM Vendedores WHERE Codigo = ?"), {codigo}));
    if (nombre.isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Codigo inválido"));
        return false;
    }
    showName(m_conductor, nombre);
    m_conductor.setTag(codigo);
    return true;
}

void DriverSalespersonEntry::vendedorEntered()
{
    editCode(m_vendedor);
}

bool DriverSalespersonEntry::vendedorValidate()
{
    const QString codigo = m_vendedor.text().trimmed().toUpper();
    m_vendedor.setText(codigo);
    if (codigo.isEmpty()) {
        m_vendedor.setTag(QString());
        return true;
    }
    const QVariant nombre = SqlReadScalar(QStringLiteral("SELECT nombre FROM vendedores WHERE Codigo = ?"), {codigo});
    if (toolkit::isEmpty(nombre) || toolkit::isNull(nombre)) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Codigo de vendedor invalido"));
        return false;
    }
    showName(m_vendedor, toolkit::toText(nombre));
    m_vendedor.setTag(codigo);
    return true;
}

QString DriverSalespersonEntry::codigoConductor() const
{
    return m_conductor.tag();
}

QString DriverSalespersonEntry::codigoVendedor() const
{
    return m_vendedor.tag();
}

void DriverSalespersonEntry::clearConductor()
{
    m_conductor.setText(QString());
    m_conductor.setTag(QString());
}

void DriverSalespersonEntry::clearVendedor()
{
    m_vendedor.setText(QString());
    m_vendedor.setTag(QString());
}

} // namespace vontarelis
