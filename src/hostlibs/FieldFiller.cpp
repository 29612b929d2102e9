#include "hostlibs/FieldFiller.h"

#include "hostlibs/QrMarker.h"
#include "hostlibs/TextWrap.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IDocument.h"

#include <QRegularExpression>

#include <cstdlib>
#include <vector>

namespace hostlibs {

namespace {

const QRegularExpression &fieldPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\{\\s*([^{},\\s]+)\\s*(?:,\\s*(-?\\d+)\\s*)?\\}"));
    return pattern;
}

QString aligned(const QString &text, const QString &widthText)
{
    if (widthText.isEmpty())
        return text;
    const int width = widthText.toInt();
    if (width < 0)
        return text.leftJustified(-width, u' ');
    return text.rightJustified(width, u' ');
}

// The rest of a wrapped field's text, for the lines below, at the field's column.
struct Overflow
{
    qsizetype column;
    QStringList lines;
};

} // namespace

QString FieldFiller::fill(const QString &line, host::IDocument &document)
{
    return fillLine(line, document, true);
}

int FieldFiller::layoutWidth(const QString &line)
{
    qsizetype width = line.size();
    for (auto it = fieldPattern().globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured(2).isEmpty())
            width += std::abs(match.captured(2).toInt()) - match.capturedLength();
    }
    return int(width);
}

bool FieldFiller::fieldsFit(const QString &line)
{
    for (auto it = fieldPattern().globalMatch(line); it.hasNext();) {
        const QString width = it.next().captured(2);
        if (width.isEmpty())
            continue;
        bool isNumber = false;
        const qint64 digits = QStringView(width).mid(width.startsWith(u'-') ? 1 : 0).toLongLong(&isNumber);
        if (!isNumber || digits > WidestField)
            return false;
    }
    return true;
}

QString FieldFiller::fillWhole(const QString &line, host::IDocument &document)
{
    return fillLine(line, document, false);
}

QString FieldFiller::fillLine(const QString &line, host::IDocument &document, bool wrap)
{
    QString filled;
    std::vector<Overflow> overflows;
    qsizetype from = 0;
    for (auto it = fieldPattern().globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        filled += line.mid(from, match.capturedStart() - from);
        from = match.capturedEnd();
        const QString text = value(match.captured(1), document);
        const int width = match.captured(2).toInt();
        if (!wrap || width >= 0 || text.size() <= -width) {
            filled += aligned(text, match.captured(2));
            continue;
        }
        QStringList parts = TextWrap::lines(text, -width);
        const qsizetype column = filled.size();
        filled += parts.takeFirst().leftJustified(-width, u' ');
        overflows.push_back({column, parts});
    }
    filled += line.mid(from);

    for (qsizetype row = 0;; ++row) {
        QString below;
        for (const Overflow &overflow : overflows) {
            if (row < overflow.lines.size())
                below = below.leftJustified(overflow.column, u' ') + overflow.lines.at(row);
        }
        if (below.isEmpty())
            break;
        filled += u'\n' + below;
    }
    return filled;
}

QString FieldFiller::value(const QString &name, host::IDocument &document)
{
    QVariant value;
    QVariant text;
    if (!document.EvalVar(name, value, text)) {
        if (!m_unknown.contains(name, Qt::CaseInsensitive))
            m_unknown.append(name);
        return {};
    }
    if (toolkit::isNull(text) || toolkit::isEmpty(text))
        return {};
    // Lines of a printed page are lines: a value's own line breaks would shift the layout, and
    // its marker character would turn the line into a QR code.
    return toolkit::toText(text).replace(u'\n', u' ').remove(u'\r').remove(QrMarker::Character);
}

} // namespace hostlibs
