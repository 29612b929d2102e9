#include "hostlibs/PageRenderer.h"

#include "hostlibs/PageLayout.h"

#include "toolkit/Error.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace hostlibs {

namespace {

constexpr double LargestPointSize = 10.0;
constexpr double SmallestPointSize = 5.0;
// The page number sits below the text, one blank line apart.
constexpr int FootLines = 2;

int widestLine(const PrintJob &job)
{
    qsizetype widest = 1;
    for (const QStringList *lines : {&job.header, &job.body, &job.footer}) {
        for (const QString &line : *lines)
            widest = std::max(widest, line.size());
    }
    return int(widest);
}

QFont printFont(double pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

PageRenderer::PageRenderer(const PrintJob &job) : m_job(job) {}

int PageRenderer::render(QPagedPaintDevice &device) const
{
    const QRectF area(QPointF(0, 0), QSizeF(device.width(), device.height()));
    // The advance of a fixed-pitch font grows in step with its size: measure once, scale.
    const QFontMetricsF reference(printFont(LargestPointSize), &device);
    const double advance = reference.horizontalAdvance(u'M');
    const double fitting = LargestPointSize * area.width() / (advance * widestLine(m_job));
    const QFont font = printFont(std::clamp(std::floor(fitting * 4.0) / 4.0, SmallestPointSize, LargestPointSize));
    const QFontMetricsF metrics(font, &device);
    const double lineHeight = metrics.lineSpacing();
    const int linesPerPage = int(area.height() / lineHeight) - FootLines;

    const QList<QStringList> pages = PageLayout::paginate(m_job, linesPerPage);
    QPainter painter;
    if (!painter.begin(&device))
        throw toolkit::Error(toolkit::ErrInvalidCall, QStringLiteral("No se pudo comenzar la impresión"),
                             QStringLiteral("DocumentPrinter"));
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int index = 0; index < pages.size(); ++index) {
        if (index > 0)
            device.newPage();
        double baseline = metrics.ascent();
        for (const QString &line : pages.at(index)) {
            painter.drawText(QPointF(0, baseline), line);
            baseline += lineHeight;
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
