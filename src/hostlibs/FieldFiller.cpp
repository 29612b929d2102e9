#include "hostlibs/FieldFiller.h"

#include "hostlibs/QrMarker.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IDocument.h"

#include <QRegularExpression>

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
        return text.left(-width).leftJustified(-width, u' ');
    return text.rightJustified(width, u' ');
}

} // namespace

QString FieldFiller::fill(const QString &line, host::IDocument &document)
{
    QString filled;
    qsizetype from = 0;
    for (auto it = fieldPattern().globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        filled += line.mid(from, match.capturedStart() - from);
        filled += aligned(value(match.captured(1), document), match.captured(2));
        from = match.capturedEnd();
    }
    filled += line.mid(from);
    return filled;
}

QStringList FieldFiller::fill(const QStringList &lines, host::IDocument &document)
{
    QStringList filled;
    filled.reserve(lines.size());
    for (const QString &line : lines)
        filled.append(fill(line, document));
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
