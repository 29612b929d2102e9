#include "hostlibs/PrintDestination.h"

#include "toolkit/Error.h"

#include <QPrinterInfo>

namespace hostlibs {

namespace {

bool isFolder(const QString &setting)
{
    return setting.contains(u'/') || setting.contains(u'\\');
}

[[noreturn]] void fail(const QString &description)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, description, QStringLiteral("DocumentPrinter"));
}

} // namespace

PrintDestination PrintDestination::resolve(const QString &setting, bool interactive)
{
    const QString trimmed = setting.trimmed();
    if (isFolder(trimmed))
        return PrintDestination(Kind::PdfFolder, trimmed);
    if (interactive)
        return PrintDestination(Kind::Preview, trimmed);
    if (!trimmed.isEmpty()) {
        if (QPrinterInfo::printerInfo(trimmed).isNull())
            fail(QStringLiteral("La impresora «%1» que indica la configuración (clave «Impresora») no existe en "
                                "este equipo. No se imprimió nada.")
                     .arg(trimmed));
        return PrintDestination(Kind::Printer, trimmed);
    }
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        fail(QStringLiteral("No hay impresora configurada (clave «Impresora» de la configuración) ni impresora "
                            "predeterminada en este equipo. No se imprimió nada."));
    return PrintDestination(Kind::Printer, standard.printerName());
}

} // namespace hostlibs
