#include "hostlibs/JobFiller.h"

#include "hostlibs/FieldFiller.h"
#include "hostlibs/PrintFormat.h"
#include "hostlibs/QrMarker.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IPrintableDocument.h"

#include <algorithm>

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

// The lines one detail line filled: those before the sub-detail block, the block once for each
// of the line's own lines, and those after it. They stay together on one page (as one entry of
// several lines) unless they hold a QR code, which takes a line of its own.
QStringList fillDetail(const PrintFormat &format, host::IDocument &document, FieldFiller &filler, QStringList &qrTexts)
{
    const QStringList &detail = format.detail();
    const qsizetype at = format.subDetailAt() < 0 ? detail.size() : format.subDetailAt();
    QStringList block = fillSection(detail.mid(0, at), format, document, filler, qrTexts);
    if (auto *withLines = dynamic_cast<host::IPrintableDocument *>(&document); withLines && format.subDetailAt() >= 0) {
        for (const auto &line : withLines->documentLines())
            block += fillSection(format.subDetail(), format, *line, filler, qrTexts);
    }
    block += fillSection(detail.mid(at), format, document, filler, qrTexts);
    const bool hasCode = std::any_of(block.cbegin(), block.cend(), [](const QString &line) {
        return QrMarker::parse(line).has_value();
    });
    if (hasCode || block.size() < 2)
        return block;
    return {block.join(u'\n')};
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
            job.body += fillDetail(format, *line, filler, job.qrTexts);
    }
    for (const PrintFormat::Segment &segment : format.afterDetail()) {
        if (segment.list.isEmpty()) {
            job.body += fillSection(segment.lines, format, document, filler, job.qrTexts);
            continue;
        }
        const auto items = document.documentList(segment.list);
        if (!items.empty())
            job.body += fillSection(segment.heading, format, document, filler, job.qrTexts);
        for (const auto &item : items)
            job.body += fillSection(segment.lines, format, *item, filler, job.qrTexts);
    }
    job.footer = fillSection(format.footer(), format, document, filler, job.qrTexts);
    return job;
}

} // namespace hostlibs
