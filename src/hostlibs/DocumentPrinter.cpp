#include "hostlibs/DocumentPrinter.h"

#include "hostlibs/FieldFiller.h"
#include "hostlibs/IPrintHost.h"
#include "hostlibs/InteractivePrintScope.h"
#include "hostlibs/JobPrinter.h"
#include "hostlibs/PrintFormat.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IPrintableDocument.h"

namespace hostlibs {

namespace {

QString documentNumber(host::IDocument &document)
{
    QVariant value;
    QVariant text;
    if (!document.EvalVar(QStringLiteral("NUMERO"), value, text) || toolkit::isNull(text))
        return {};
    return toolkit::toText(text);
}

} // namespace

DocumentPrinter::DocumentPrinter(IPrintHost &printHost) : m_printHost(printHost) {}

QVariant DocumentPrinter::PrintDocument(host::IPrintableDocument &document, bool interactive)
{
    return print(document, interactive).toVariantMap();
}

PrintResult DocumentPrinter::print(host::IPrintableDocument &document, bool interactive)
{
    // Where the print goes is settled first: a print with nowhere to go asks nothing else.
    const PrintDestination destination =
        PrintDestination::resolve(m_printHost.printerSetting(document.Factoria()), interactive);
    const QString formatFile = [&] {
        const InteractivePrintScope scope(destination.kind() == PrintDestination::Kind::Preview);
        return document.NombreArchivoFormato();
    }();
    const PrintFormat format = PrintFormat::read(formatFile);

    FieldFiller filler;
    PrintJob job;
    job.documentType = document.TipoEntidad();
    job.number = documentNumber(document);
    job.header = filler.fill(format.header(), document);
    if (!format.detail().isEmpty()) {
        for (const auto &line : document.documentLines())
            job.body += filler.fill(format.detail(), *line);
    }
    job.footer = filler.fill(format.footer(), document);

    PrintResult result = JobPrinter::print(job, destination);
    result.interactive = interactive;
    for (const QString &name : filler.unknownNames())
        result.warnings.append(
            QStringLiteral("El campo {%1} del formato «%2» no tiene valor: se imprimió vacío").arg(name, formatFile));
    m_printHost.printed(result);
    return result;
}

} // namespace hostlibs
