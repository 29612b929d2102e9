#include "marbelisto/ScriptNumbers.h"

#include "toolkit/NumberFormat.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IFramework.h"

#include <memory>

namespace marbelisto {

namespace {

std::shared_ptr<host::ICompany> company(host::IFramework &framework)
{
    return std::dynamic_pointer_cast<host::ICompany>(framework.CrearObjeto(QStringLiteral("Empresa")));
}

} // namespace

ScriptNumbers::ScriptNumbers(host::IFramework &framework, QObject *parent) : QObject(parent), m_framework(framework) {}

QString ScriptNumbers::formatear(double valor, const QString &mascara) const
{
    return toolkit::NumberFormat::format(valor, mascara);
}

QString ScriptNumbers::monetarios() const
{
    return company(m_framework)->MascaraMonetarios();
}

QString ScriptNumbers::precios() const
{
    return company(m_framework)->MascaraPrecios();
}

QString ScriptNumbers::cantidades() const
{
    return company(m_framework)->MascaraCantidades();
}

QString ScriptNumbers::peso() const
{
    return QStringLiteral("#,##0.000");
}

} // namespace marbelisto
