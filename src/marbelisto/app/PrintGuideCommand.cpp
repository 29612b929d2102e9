#include "marbelisto/app/PrintGuideCommand.h"

#include "marbelisto/app/AnsweringCommonUtilities.h"
#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/DisplayCheck.h"
#include "marbelisto/app/StoredGuide.h"
#include "marbelisto/app/UsageError.h"
#include "marbelisto/app/VerbPrintHost.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

namespace marbelisto {

namespace {

const QString source = QStringLiteral("marbelisto print-guide");

QCommandLineOption pdfOption()
{
    return QCommandLineOption(QStringLiteral("pdf"), QStringLiteral("Imprime la guía en este archivo PDF."),
                              QStringLiteral("ARCHIVO"));
}

QCommandLineOption listingOption()
{
    return QCommandLineOption(QStringLiteral("listado"),
                              QStringLiteral("Emite también el listado detallado de facturas de la guía."));
}

QCommandLineOption routeSheetOption()
{
    return QCommandLineOption(QStringLiteral("hoja-de-ruta"),
                              QStringLiteral("Imprime la hoja de ruta de la guía en lugar de la guía."));
}

// "guia.pdf" -> "guia-listado.pdf".
QString listingFile(const QString &guideFile)
{
    const QFileInfo info(guideFile);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? guideFile : guideFile.left(guideFile.size() - suffix.size() - 1);
    return stem + QStringLiteral("-listado") + (suffix.isEmpty() ? QString() : u'.' + suffix);
}

void moveTo(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to) && !QFile::remove(to))
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No se puede reemplazar «%1»").arg(to), source);
    if (!QFile::rename(from, to))
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No se puede escribir «%1»").arg(to), source);
}

// Puts back the library object the verb replaced, however it ends.
template<class Interface, std::unique_ptr<Interface> (*install)(std::unique_ptr<Interface>)>
class LibraryObjectSwap
{
public:
    explicit LibraryObjectSwap(std::unique_ptr<Interface> replacement) : m_previous(install(std::move(replacement))) {}
    ~LibraryObjectSwap() { install(std::move(m_previous)); }
    LibraryObjectSwap(const LibraryObjectSwap &) = delete;
    LibraryObjectSwap &operator=(const LibraryObjectSwap &) = delete;

private:
    std::unique_ptr<Interface> m_previous;
};

} // namespace

QString PrintGuideCommand::name() const
{
    return QStringLiteral("print-guide");
}

QString PrintGuideCommand::description() const
{
    return QStringLiteral("print-guide N [--pdf ARCHIVO] [--listado] [--hoja-de-ruta]: imprime la guía N (o su hoja de "
                          "ruta) sin vista previa.");
}

QList<QCommandLineOption> PrintGuideCommand::options() const
{
    return {pdfOption(), listingOption(), routeSheetOption()};
}

bool PrintGuideCommand::takesArguments() const
{
    return true;
}

bool PrintGuideCommand::needsWindows() const
{
    // Pages are painted with the system's fonts, which need a GUI application; a machine
    // without a display paints offscreen.
    if (!DisplayCheck::problem().isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

int PrintGuideCommand::run(const CommandContext &context)
{
    const QStringList arguments = context.parser().positionalArguments().mid(1);
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("Uso: marbelisto --data DIR print-guide N [--pdf ARCHIVO] [--listado] [--hoja-de-ruta]"));
    const QString pdf =
        context.parser().isSet(pdfOption()) ? QFileInfo(context.parser().value(pdfOption())).absoluteFilePath() : QString();
    const bool listing = context.parser().isSet(listingOption());
    const bool routeSheet = context.parser().isSet(routeSheetOption());
    QTemporaryDir folder;
    if (!pdf.isEmpty() && !folder.isValid())
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No hay carpeta temporal para imprimir"), source);

    QTextStream &out = context.out();
    auto verbHost = std::make_unique<VerbPrintHost>(pdf.isEmpty() ? QString() : folder.path(), out);
    const VerbPrintHost &prints = *verbHost;
    const LibraryObjectSwap<hostlibs::IPrintHost, hostlibs::InstallPrintHost> printHost(std::move(verbHost));
    const LibraryObjectSwap<host::ICommonUtilities, hostlibs::InstallCommonUtilities> utilities(
        std::make_unique<AnsweringCommonUtilities>(listing, out));

    const StoredGuide stored(context, arguments.first());
    if (routeSheet)
        stored.guide().ViewPrintHojaDeRuta(true);
    else
        stored.guide().ViewPrint(true);

    const auto &results = prints.results();
    for (std::size_t i = 0; i < results.size(); ++i) {
        const hostlibs::PrintResult &result = results.at(i);
        QString file = result.pdfFile;
        if (!pdf.isEmpty() && !file.isEmpty()) {
            file = i == 0 ? pdf : listingFile(pdf);
            moveTo(result.pdfFile, file);
        }
        const QString destination = file.isEmpty()
                                        ? QStringLiteral("la impresora «%1»").arg(result.destination)
                                        : QStringLiteral("el archivo %1").arg(file);
        out << QStringLiteral("%1 %2: %3 página(s) en %4\n")
                   .arg(routeSheet ? QStringLiteral("Hoja de ruta")
                        : i == 0   ? QStringLiteral("Guía")
                                   : QStringLiteral("Listado"),
                        result.number)
                   .arg(result.pages)
                   .arg(destination);
    }
    out.flush();
    return 0;
}

} // namespace marbelisto
