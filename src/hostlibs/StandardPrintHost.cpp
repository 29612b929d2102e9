#include "hostlibs/StandardPrintHost.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/PrintResult.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

#include <QLoggingCategory>

namespace hostlibs {

namespace {

Q_LOGGING_CATEGORY(printLog, "marbelisto.print")

} // namespace

QString StandardPrintHost::printerSetting(host::IFramework *framework)
{
    if (!framework)
        return {};
    const QVariant value = framework->ReadScalarA(
        QStringLiteral("SELECT valor FROM Configuracion WHERE UPPER(clave) = UPPER(?)"), {SettingKey});
    return toolkit::isNull(value) ? QString() : toolkit::toText(value).trimmed();
}

void StandardPrintHost::printed(const PrintResult &result)
{
    for (const QString &warning : result.warnings)
        qCWarning(printLog, "%s %s: %s", qUtf8Printable(result.documentType), qUtf8Printable(result.number),
                  qUtf8Printable(warning));
    // The user learns where each print went without a key to press: a file by its full path.
    if (!result.pdfFile.isEmpty() || result.destination.startsWith(u'/'))
        CommonUtilities().ShowNotice(
            QStringLiteral("Se imprimió en el archivo %1").arg(result.pdfFile.isEmpty() ? result.destination : result.pdfFile));
    else if (!result.destination.isEmpty())
        CommonUtilities().ShowNotice(QStringLiteral("Se imprimió en la impresora «%1»").arg(result.destination));
}

} // namespace hostlibs
