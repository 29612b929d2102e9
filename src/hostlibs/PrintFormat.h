#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace hostlibs {

// A print format: plain text with {NAME} fields, split around its detail block. The lines
// before "[DETALLE]" head every page, the lines between it and "[/DETALLE]" repeat once per
// detail line, and the lines after "[/DETALLE]" close the document. A format without a block
// is all header. The lines between "[QR]" and "[/QR]" are the text of a QR code, printed where
// the block stands: the section keeps a QrMarker line in its place, at the column of "[QR]".
// After the detail block, the lines between "[LISTA NAME]" and "[/LISTA]" repeat once per item
// of the document's list NAME, and print nothing when it has none; a list's first lines may be
// a heading between "[ENCABEZADO]" and "[/ENCABEZADO]", printed once above the items, with the
// document's fields, and only when there are items. The lines after the detail
// block down to the last list flow on with the body, and only those after it close the document.
// Inside the detail block, the lines between "[SUBDETALLE]" and "[/SUBDETALLE]" repeat once
// per line of the detail line itself (an order's items, a stop's invoices), where they stand.
class PrintFormat
{
public:
    // Lines after the detail block: plain ones (no list name) or a list's block.
    struct Segment
    {
        QString list;
        QStringList lines;
        QStringList heading;
    };

    // Reads a UTF-8 file; raises naming the file when it is missing, unreadable or malformed.
    static PrintFormat read(const QString &path);
    static PrintFormat parse(const QString &text, const QString &origin);

    const QStringList &header() const { return m_header; }
    const QStringList &detail() const { return m_detail; }
    const QList<Segment> &afterDetail() const { return m_afterDetail; }
    const QStringList &footer() const { return m_footer; }
    const QStringList &subDetail() const { return m_subDetail; }
    // Where the sub-detail block stands among the detail lines; -1 without one.
    qsizetype subDetailAt() const { return m_subDetailAt; }
    // The lines of each QR block, in the order of the format; a marker's index points here.
    const QList<QStringList> &qrBlocks() const { return m_qrBlocks; }
    // The widest line of the sections as laid out, each field of a width at that width.
    int width() const;

private:
    QStringList m_header;
    QStringList m_detail;
    QList<Segment> m_afterDetail;
    QStringList m_footer;
    QStringList m_subDetail;
    qsizetype m_subDetailAt = -1;
    QList<QStringList> m_qrBlocks;
};

} // namespace hostlibs
