#include "hostlibs/PrintDestination.h"

#include "toolkit/Error.h"

#include <QDir>
#include <QPrinterInfo>

namespace hostlibs {

namespace {

[[noreturn]] void fail(const QString &description)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, description, QStringLiteral("DocumentPrinter"));
}

// The folder a setting names, as an absolute path; empty when the setting is no folder.
QString folderOf(const QString &setting, const QString &dataFolder)
{
    if (QDir::isAbsolutePath(setting))
        return QDir::cleanPath(setting);
    if (setting.startsWith(QLatin1String("~/")))
        return QDir::cleanPath(QDir::home().filePath(setting.mid(2)));
    if (setting.startsWith(QLatin1String("./")))
        return QDir::cleanPath(QDir(dataFolder).absoluteFilePath(setting.mid(2)));
    return {};
}

} // namespace

PrintDestination PrintDestination::resolve(const QString &setting, bool interactive, const QString &dataFolder)
{
    const QString trimmed = setting.trimmed();
    if (const QString folder = folderOf(trimmed, dataFolder); !folder.isEmpty())
        return PrintDestination(Kind::PdfFolder, folder);
    if (!trimmed.isEmpty() && QPrinterInfo::printerInfo(trimmed).isNull())
        fail(QStringLiteral("La impresora «%1» que indica la configuración (clave «Impresora») no existe en este "
                            "equipo. No se imprimió nada. Para imprimir en archivos PDF, la clave debe nombrar una "
                            "carpeta: una ruta absoluta o que empiece por ./ o ~/.")
                 .arg(trimmed));
    if (interactive)
        return PrintDestination(Kind::Preview, trimmed);
    if (!trimmed.isEmpty())
        return PrintDestination(Kind::Printer, trimmed);
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        fail(QStringLiteral("No hay impresora configurada (clave «Impresora» de la configuración) ni impresora "
                            "predeterminada en este equipo. No se imprimió nada."));
    return PrintDestination(Kind::Printer, standard.printerName());
}

} // namespace hostlibs
