#include "marbelisto/app/StoredGuide.h"

#include "marbelisto/app/ActivatorLoader.h"
#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/UsageError.h"

#include "toolkit/Error.h"

namespace marbelisto {

StoredGuide::StoredGuide(const CommandContext &context, const QString &number)
{
    const QString source = QStringLiteral("marbelisto");
    bool ok = false;
    const qint32 numero = number.toInt(&ok);
    if (!ok || numero <= 0)
        throw UsageError(QStringLiteral("«%1» no es un número de guía de despacho").arg(number));
    m_framework = context.openFramework();
    m_guide = ActivatorLoader::load().GetGuiaDespacho(*m_framework);
    if (!m_guide->Load(numero))
        throw toolkit::Error(toolkit::ErrInvalidCall,
                             QStringLiteral("No existe la guía de despacho número %1").arg(numero), source);
}

} // namespace marbelisto
