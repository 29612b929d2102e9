#include "hostlibs/DocumentPrinter.h"

#include "hostlibs/FieldFiller.h"
#include "hostlibs/IPrintHost.h"
#include "hostlibs/InteractivePrintScope.h"
#include "hostlibs/JobFiller.h"
#include "hostlibs/JobPrinter.h"
#include "hostlibs/PrintFormat.h"
#include "hostlibs/QrMatrix.h"

#include "vontarelis/host/IFramework.h"
#include "vontarelis/host/IPrintableDocument.h"

namespace hostlibs {

DocumentPrinter::DocumentPrinter(IPrintHost &printHost) : m_printHost(printHost) {}

QVariant DocumentPrinter::PrintDocument(host::IPrintableDocument &document, bool interactive)
{
    return print(document, interactive).toVariantMap();
}

PrintResult DocumentPrinter::print(host::IPrintableDocument &document, bool interactive)
{
    // Where the print goes is settled first: a print with nowhere to go asks nothing else.
    host::IFramework *framework = document.Factoria();
    const PrintDestination destination = PrintDestination::resolve(
        m_printHost.printerSetting(framework), interactive, framework ? framework->DataPath() : QString());
    const QString formatFile = [&] {
        const InteractivePrintScope scope(destination.kind() == PrintDestination::Kind::Preview);
        return document.NombreArchivoFormato();
    }();
    const PrintFormat format = PrintFormat::read(formatFile);

    FieldFiller filler;
    PrintJob job = JobFiller::fill(format, document, filler);

    // A code that cannot hold its text is left out rather than the whole document: the page
    // still carries every value as text.
    QStringList warnings;
    for (QString &text : job.qrTexts) {
        if (text.isEmpty() || QrMatrix::fits(text))
            continue;
        warnings.append(QStringLiteral("El texto de un código QR del formato «%1» es demasiado largo (%2 bytes): "
                                       "el código no se imprimió")
                            .arg(formatFile)
                            .arg(text.toUtf8().size()));
        text.clear();
    }

    PrintResult result = JobPrinter::print(job, destination);
    result.interactive = interactive;
    for (const QString &name : filler.unknownNames())
        result.warnings.append(
            QStringLiteral("El campo {%1} del formato «%2» no tiene valor: se imprimió vacío").arg(name, formatFile));
    result.warnings += warnings;
    m_printHost.printed(result);
    return result;
}

} // namespace hostlibs
