#include "hostlibs/PageRenderer.h"

#include "hostlibs/PageLayout.h"
#include "hostlibs/QrMarker.h"
#include "hostlibs/QrMatrix.h"
#include "hostlibs/TextWrap.h"

#include "toolkit/Error.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace hostlibs {

namespace {

constexpr double LargestPointSize = 10.0;
constexpr double SmallestPointSize = 5.0;
// The page number sits below the text, one blank line apart.
constexpr int FootLines = 2;
// Half a millimetre per module reads well from paper at arm's length.
constexpr double ModuleMillimetres = 0.5;
// The blank margin that a QR code needs above and below to be found (four modules).
constexpr int QuietModules = 4;

int layoutColumns(const PrintJob &job)
{
    if (job.columns > 0)
        return job.columns;
    qsizetype widest = 1;
    for (const QStringList *entries : {&job.header, &job.body, &job.footer}) {
        for (const QString &entry : *entries) {
            for (const QStringView line : QStringView(entry).split(u'\n'))
                widest = std::max(widest, line.size());
        }
    }
    return int(widest);
}

// The entry's lines, each wrapped to the page; a continuation keeps its line's indentation
// while that leaves half the page for the text.
QString wrapped(const QString &entry, int pageColumns)
{
    if (QrMarker::parse(entry))
        return entry;
    QStringList lines;
    for (const QString &line : entry.split(u'\n')) {
        if (line.size() <= pageColumns) {
            lines.append(line);
            continue;
        }
        qsizetype indent = 0;
        while (indent < line.size() && line.at(indent) == u' ')
            ++indent;
        indent = std::min<qsizetype>(indent, pageColumns / 2);
        for (const QString &part : TextWrap::lines(line.mid(indent), int(pageColumns - indent)))
            lines.append(QString(indent, u' ') + part);
    }
    return lines.join(u'\n');
}

PrintJob wrapped(const PrintJob &job, int pageColumns)
{
    PrintJob laidOut = job;
    for (QStringList *entries : {&laidOut.header, &laidOut.body, &laidOut.footer}) {
        for (QString &entry : *entries)
            entry = wrapped(entry, pageColumns);
    }
    return laidOut;
}

QFont printFont(double pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

std::vector<std::optional<QrMatrix>> encodeAll(const QStringList &texts)
{
    std::vector<std::optional<QrMatrix>> codes;
    codes.reserve(std::size_t(texts.size()));
    // A block whose fields all came out empty has nothing to say: it prints nothing.
    for (const QString &text : texts)
        codes.push_back(text.isEmpty() ? std::nullopt : std::optional<QrMatrix>(QrMatrix::encode(text)));
    return codes;
}

const std::optional<QrMatrix> &codeOf(const std::vector<std::optional<QrMatrix>> &codes, const QrMarker &marker)
{
    if (marker.index() >= int(codes.size()))
        throw toolkit::Error(toolkit::ErrSubscript,
                             QStringLiteral("La línea del código QR %1 no tiene texto").arg(marker.index()),
                             QStringLiteral("DocumentPrinter"));
    return codes.at(std::size_t(marker.index()));
}

// One path for the whole symbol, so that no hairline shows between adjacent modules.
QPainterPath symbolPath(const QrMatrix &code, const QPointF &topLeft, double module)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int row = 0; row < code.size(); ++row) {
        for (int column = 0; column < code.size();) {
            if (!code.isDark(column, row)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < code.size() && code.isDark(column, row))
                ++column;
            path.addRect(QRectF(topLeft.x() + start * module, topLeft.y() + row * module, (column - start) * module,
                                module));
        }
    }
    return path;
}

} // namespace

PageRenderer::PageRenderer(const PrintJob &job) : m_job(job) {}

int PageRenderer::render(QPagedPaintDevice &device) const
{
    const QRectF area(QPointF(0, 0), QSizeF(device.width(), device.height()));
    // The advance of a fixed-pitch font grows in step with its size: measure once, scale.
    const QFontMetricsF reference(printFont(LargestPointSize), &device);
    const int columns = layoutColumns(m_job);
    const double fitting = LargestPointSize * area.width() / (reference.horizontalAdvance(u'M') * columns);
    const double pointSize = std::clamp(std::floor(fitting * 4.0) / 4.0, SmallestPointSize, LargestPointSize);
    const QFont font = printFont(pointSize);
    const QFontMetricsF metrics(font, &device);
    const double lineHeight = metrics.lineSpacing();
    const int linesPerPage = int(area.height() / lineHeight) - FootLines;
    const double advance = metrics.horizontalAdvance(u'M');
    // What the page holds at that size, never fewer than the columns the size was chosen for
    // (a measure that rounds down must not wrap a line that fits).
    const int pageColumns = std::max(int(area.width() / advance), pointSize > SmallestPointSize ? columns : 1);
    const PrintJob job = wrapped(m_job, pageColumns);

    const std::vector<std::optional<QrMatrix>> codes = encodeAll(job.qrTexts);
    // Whole device pixels per module keep every module the same size on paper.
    const double module = std::max(1.0, std::round(ModuleMillimetres * device.logicalDpiY() / 25.4));
    const auto linesOf = [&](const QString &line) {
        const std::optional<QrMarker> marker = QrMarker::parse(line);
        if (!marker)
            return int(line.count(u'\n')) + 1;
        const std::optional<QrMatrix> &code = codeOf(codes, *marker);
        if (!code)
            return 0;
        return int(std::ceil((code->size() + 2 * QuietModules) * module / lineHeight));
    };

    const QList<QStringList> pages = PageLayout::paginate(job, linesPerPage, linesOf);
    QPainter painter;
    if (!painter.begin(&device))
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No se pudo comenzar la impresión"),
                             QStringLiteral("DocumentPrinter"));
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int index = 0; index < pages.size(); ++index) {
        if (index > 0)
            device.newPage();
        double top = 0;
        for (const QString &line : pages.at(index)) {
            const std::optional<QrMarker> marker = QrMarker::parse(line);
            if (!marker) {
                for (const QString &text : line.split(u'\n')) {
                    painter.drawText(QPointF(0, top + metrics.ascent()), text);
                    top += lineHeight;
                }
                continue;
            }
            if (const std::optional<QrMatrix> &code = codeOf(codes, *marker)) {
                // At the marker's column, pulled left when the symbol would leave the page.
                const double left = std::min(marker->column() * advance, area.width() - code->size() * module);
                const QPointF topLeft(std::round(std::max(0.0, left)), std::round(top + QuietModules * module));
                painter.fillPath(symbolPath(*code, topLeft, module), Qt::black);
            }
            top += linesOf(line) * lineHeight;
        }
        const QString pageNumber = QStringLiteral("Página %1 de %2").arg(index + 1).arg(pages.size());
        painter.drawText(QPointF(area.width() - metrics.horizontalAdvance(pageNumber),
                                 metrics.ascent() + lineHeight * (linesPerPage + FootLines - 1)),
                         pageNumber);
    }
    painter.end();
    return int(pages.size());
}

} // namespace hostlibs
