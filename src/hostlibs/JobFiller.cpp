#include "hostlibs/JobFiller.h"

#include "hostlibs/FieldFiller.h"
#include "hostlibs/PrintFormat.h"
#include "hostlibs/QrMarker.h"

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

PrintJob JobFiller::fill(const PrintFormat &format, host::IPrintableDocument &document, FieldFiller &filler)
{
    PrintJob job;
    job.documentType = document.TipoEntidad();
    job.number = documentNumber(document);
    job.columns = format.width();
    job.header = fillSection(format.header(), format, document, filler, job.qrTexts);
    if (!format.detail().isEmpty()) {
        for (const auto &line : document.documentLines())
            job.body += fillSection(format.detail(), format, *line, filler, job.qrTexts);
    }
    for (const PrintFormat::Segment &segment : format.afterDetail()) {
        if (segment.list.isEmpty()) {
            job.body += fillSection(segment.lines, format, document, filler, job.qrTexts);
            continue;
        }
        for (const auto &item : document.documentList(segment.list))
            job.body += fillSection(segment.lines, format, *item, filler, job.qrTexts);
    }
    job.footer = fillSection(format.footer(), format, document, filler, job.qrTexts);
    return job;
}

} // namespace hostlibs
