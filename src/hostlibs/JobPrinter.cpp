#include "hostlibs/JobPrinter.h"

#include "hostlibs/PageRenderer.h"
#include "hostlibs/PdfFileName.h"
#include "hostlibs/PrivateFiles.h"
#include "hostlibs/ReadablePreview.h"

#include "toolkit/Error.h"

#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <optional>

namespace hostlibs {

namespace {

const QMarginsF pageMargins(15, 12, 12, 12);

[[noreturn]] void fail(const QString &description)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, description, QStringLiteral("DocumentPrinter"));
}

QString documentTitle(const PrintJob &job)
{
    return QStringLiteral("%1 %2").arg(job.documentType, job.number).trimmed();
}

void preparePrinter(QPrinter &printer, const PrintJob &job)
{
    printer.setDocName(documentTitle(job));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, pageMargins,
                                      QPageLayout::Millimeter));
}

int printToPdf(const PrintJob &job, const QString &path)
{
    QFile file(path);
    if (!PrivateFiles::openNew(file))
        fail(QStringLiteral("No se pudo crear el archivo «%1»: %2").arg(path, file.errorString()));
    QPdfWriter writer(&file);
    writer.setTitle(documentTitle(job));
    writer.setCreator(QStringLiteral("Marbelisto"));
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, pageMargins,
                                     QPageLayout::Millimeter));
    return PageRenderer(job).render(writer);
}

} // namespace

PrintResult JobPrinter::print(const PrintJob &job, const PrintDestination &destination)
{
    PrintResult result;
    result.documentType = job.documentType;
    result.number = job.number;
    switch (destination.kind()) {
    case PrintDestination::Kind::PdfFolder: {
        if (!PrivateFiles::makeFolder(destination.name()))
            fail(QStringLiteral("No se pudo crear la carpeta de impresión «%1»").arg(destination.name()));
        const QString path = PdfFileName::inFolder(destination.name(), job.documentType, job.number,
                                                   QDateTime::currentDateTime());
        result.pages = printToPdf(job, path);
        result.pdfFile = path;
        result.destination = path;
        break;
    }
    case PrintDestination::Kind::Printer: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(destination.name());
        preparePrinter(printer, job);
        if (!printer.isValid())
            fail(QStringLiteral("La impresora «%1» no está disponible. No se imprimió nada.").arg(destination.name()));
        result.pages = PageRenderer(job).render(printer);
        result.destination = destination.name();
        break;
    }
    case PrintDestination::Kind::Preview: {
        QPrinter printer(QPrinter::HighResolution);
        if (!destination.name().isEmpty())
            printer.setPrinterName(destination.name());
        preparePrinter(printer, job);
        QPrintPreviewDialog preview(&printer);
        preview.setWindowTitle(QStringLiteral("Vista previa: %1").arg(documentTitle(job)));
        ReadablePreview::prepare(preview);
        // The preview paints from its own event loop, which no error may cross: keep it for after.
        std::optional<toolkit::Error> failure;
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&job, &result, &failure, &preview](QPrinter *target) {
                             try {
                                 result.pages = PageRenderer(job).render(*target);
                             } catch (const toolkit::Error &error) {
                                 failure = error;
                                 preview.reject();
                             }
                         });
        const bool printed = preview.exec() == QDialog::Accepted;
        if (failure)
            throw *failure;
        // Closed without printing, the preview sent the pages nowhere.
        if (printed)
            result.destination = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                                               : printer.printerName();
        break;
    }
    }
    return result;
}

} // namespace hostlibs
