#include "hostlibs/DocumentPrinter.h"

#include "hostlibs/FieldFiller.h"
#include "hostlibs/IPrintHost.h"
#include "hostlibs/InteractivePrintScope.h"
#include "hostlibs/JobPrinter.h"
#include "hostlibs/PrintFormat.h"
#include "hostlibs/QrMarker.h"
#include "hostlibs/QrMatrix.h"

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

// Fills a section's lines from the document. The block of a QR marker is filled from the same
// document, every value whole and each line trimmed so that a block may be indented and aligned
// fields leave no blanks in the code; its text joins the job's and the marker then points at it.
QStringList fillSection(const QStringList &lines, const PrintFormat &format, host::IDocument &document,
                        FieldFiller &filler, QStringList &qrTexts)
{
    QStringList filled;
    filled.reserve(lines.size());
    for (const QString &line : lines) {
        const std::optional<QrMarker> marker = QrMarker::parse(line);
        if (!marker) {
            filled.append(filler.fill(line, document));
            continue;
        }
        QStringList text;
        for (const QString &textLine : format.qrBlocks().at(marker->index()))
            text.append(filler.fillWhole(textLine, document).trimmed());
        filled.append(QrMarker::line(marker->column(), int(qrTexts.size())));
        qrTexts.append(text.join(u'\n'));
    }
    return filled;
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
    job.columns = format.width();
    job.header = fillSection(format.header(), format, document, filler, job.qrTexts);
    if (!format.detail().isEmpty()) {
        for (const auto &line : document.documentLines())
            job.body += fillSection(format.detail(), format, *line, filler, job.qrTexts);
    }
    job.footer = fillSection(format.footer(), format, document, filler, job.qrTexts);

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
