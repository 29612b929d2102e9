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

void configureBox(toolkit::CodeLookupBox &box, const QString &location)
{
    box.configure(std::make_shared<HostLookupSource>(location), QStringLiteral("Codigo"), QStringLiteral("Nombre"),
                  QStringLiteral("Vendedores"), QStringLiteral("Vendedor"));
}

} // namespace

DriverSalespersonEntry::DriverSalespersonEntry(toolkit::CodeLookupBox &conductor, toolkit::CodeLookupBox &vendedor)
    : m_conductor(conductor), m_vendedor(vendedor)
{
}

void DriverSalespersonEntry::configure(const QString &formName)
{
    configureBox(m_conductor, formName + QStringLiteral("::conductor_Lookup"));
    configureBox(m_vendedor, formName + QStringLiteral("::vendedor_Lookup"));
}

void DriverSalespersonEntry::conductorEntered()
{
    m_conductor.setText(m_conductor.tag());
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
    m_conductor.setText(nombre);
    m_conductor.setTag(codigo);
    return true;
}

void DriverSalespersonEntry::vendedorEntered()
{
    m_vendedor.setText(m_vendedor.tag());
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
    m_vendedor.setText(toolkit::toText(nombre));
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
