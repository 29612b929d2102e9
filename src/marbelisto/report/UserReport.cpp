#include "marbelisto/report/UserReport.h"

#include "hostlibs/TextWrap.h"
#include "toolkit/DateFormat.h"
#include "toolkit/Error.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace marbelisto {

namespace {

bool isDateMask(const QString &mask)
{
    static const QRegularExpression named(QStringLiteral("^(short|long|general) date$"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (named.match(mask).hasMatch())
        return true;
    return !mask.contains(u'0') && !mask.contains(u'#') &&
           (mask.contains(u'd', Qt::CaseInsensitive) || mask.contains(u'y', Qt::CaseInsensitive));
}

QString cellText(const QVariant &value, const QString &mask)
{
    if (toolkit::isNull(value) || toolkit::isEmpty(value))
        return {};
    if (mask.isEmpty())
        return toolkit::toText(value);
    if (isDateMask(mask))
        return toolkit::DateFormat::format(toolkit::toDate(value), mask);
    return toolkit::NumberFormat::format(value, mask);
}

// Figures and dates are never broken: their column widens to the widest. Text wraps in its column.
bool widens(const ReportColumn &column)
{
    return !column.mask.isEmpty() || (column.alignment & Qt::AlignRight);
}

QString aligned(const QString &text, const ReportColumn &column, int width)
{
    if (column.alignment & Qt::AlignRight)
        return text.rightJustified(width, u' ');
    if (column.alignment & Qt::AlignHCenter) {
        const qsizetype left = (width - text.size()) / 2;
        return (QString(left, u' ') + text).leftJustified(width, u' ');
    }
    return text.leftJustified(width, u' ');
}

} // namespace

UserReport::UserReport(const ReportDefinition &definition, const QString &parameterName, const QVariant &parameterValue)
    : m_definition(definition), m_parameterName(parameterName), m_parameterValue(parameterValue)
{
}

hostlibs::PrintJob UserReport::layOut(host::IFramework &framework, const QString &documentType) const
{
    // Each :name of the query becomes one positional parameter.
    const QRegularExpression placeholder(QStringLiteral(":%1\\b").arg(QRegularExpression::escape(m_parameterName)),
                                         QRegularExpression::CaseInsensitiveOption);
    QString sql = m_definition.query();
    const qsizetype uses = sql.count(placeholder);
    if (uses == 0)
        throw toolkit::Error(toolkit::ErrInvalidCall,
                             QStringLiteral("La consulta del informe no usa el parámetro :%1").arg(m_parameterName),
                             QStringLiteral("Marbelisto.generarUsrReport"));
    sql.replace(placeholder, QStringLiteral("?"));

    const QList<ReportColumn> &columns = m_definition.columns();
    std::vector<toolkit::Currency> totals(columns.size());
    QList<QStringList> rows;
    for (auto rs = framework.OpenRecordsetA(sql, QVariantList(uses, m_parameterValue)); !rs->Eof(); rs->MoveNext()) {
        QStringList cells;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QVariant value = rs->Fields(columns.at(i).field);
            cells.append(cellText(value, columns.at(i).mask));
            if (columns.at(i).sum && !toolkit::isNull(value))
                totals[i] += toolkit::toCurrency(value);
        }
        rows.append(cells);
    }

    const QStringList totalCells = totalTexts(totals);
    const std::vector<int> widths = columnWidths(rows, totalCells);
    QStringList rules;
    for (const int width : widths)
        rules.append(QString(width, u'-'));
    const QString rule = rules.join(u' ');

    hostlibs::PrintJob job;
    job.documentType = documentType;
    job.number = toolkit::toText(m_parameterValue);
    job.columns = int(rule.size());
    const QVariant company = framework.ReadScalarA(QStringLiteral("SELECT nombre FROM Empresa"), {});
    job.header = {toolkit::isNull(company) ? QString() : toolkit::toText(company), title(),
                  QStringLiteral("Emitido el %1")
                      .arg(toolkit::DateFormat::format(QDateTime::currentDateTime(), QStringLiteral("General Date"))),
                  QString(), row(captions(), widths), rule};
    for (const QStringList &cells : rows)
        job.body.append(row(cells, widths));
    job.footer = {rule, row(totalCells, widths)};
    if (!m_definition.countLabel().isEmpty())
        job.footer += {QString(), QStringLiteral("%1: %2").arg(m_definition.countLabel()).arg(rows.size())};
    return job;
}

QStringList UserReport::totalTexts(const std::vector<toolkit::Currency> &totals) const
{
    const QList<ReportColumn> &columns = m_definition.columns();
    QStringList texts;
    bool labelled = false;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const ReportColumn &column = columns.at(i);
        const toolkit::Currency total = totals.at(std::size_t(i));
        if (column.sum)
            texts.append(column.mask.isEmpty() ? total.toPlainText() : toolkit::NumberFormat::format(total, column.mask));
        else
            texts.append(labelled ? QString() : QStringLiteral("Totales"));
        labelled = labelled || !column.sum;
    }
    return texts;
}

std::vector<int> UserReport::columnWidths(const QList<QStringList> &rows, const QStringList &totals) const
{
    // A caption and the label of the totals always fit; a column of figures fits its widest.
    const QList<ReportColumn> &columns = m_definition.columns();
    std::vector<int> widths;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const ReportColumn &column = columns.at(i);
        qsizetype width = std::max({qsizetype(column.width), column.caption.size(), totals.at(i).size()});
        if (widens(column)) {
            for (const QStringList &cells : rows)
                width = std::max(width, cells.at(i).size());
        }
        widths.push_back(int(width));
    }
    return widths;
}

QStringList UserReport::captions() const
{
    QStringList captions;
    for (const ReportColumn &column : m_definition.columns())
        captions.append(column.caption);
    return captions;
}

QString UserReport::title() const
{
    // {name} or {name:mask} stands for the parameter's value.
    const QRegularExpression field(QStringLiteral("\\{%1(?::([^}]*))?\\}").arg(QRegularExpression::escape(m_parameterName)),
                                   QRegularExpression::CaseInsensitiveOption);
    QString text = m_definition.title();
    for (QRegularExpressionMatch match = field.match(text); match.hasMatch(); match = field.match(text)) {
        const QString mask = match.captured(1);
        text.replace(match.capturedStart(), match.capturedLength(),
                     mask.isEmpty() ? toolkit::toText(m_parameterValue) : cellText(m_parameterValue, mask));
    }
    return text;
}

QString UserReport::row(const QStringList &cells, const std::vector<int> &widths) const
{
    const QList<ReportColumn> &columns = m_definition.columns();
    QList<QStringList> parts;
    qsizetype height = 1;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const int width = widths.at(std::size_t(i));
        parts.append(widens(columns.at(i)) ? QStringList{cells.at(i)} : hostlibs::TextWrap::lines(cells.at(i), width));
        height = std::max(height, parts.last().size());
    }
    QStringList lines;
    for (qsizetype line = 0; line < height; ++line) {
        QStringList texts;
        for (qsizetype i = 0; i < columns.size(); ++i)
            texts.append(aligned(parts.at(i).value(line), columns.at(i), widths.at(std::size_t(i))));
        QString text = texts.join(u' ');
        while (text.endsWith(u' '))
            text.chop(1);
        lines.append(text);
    }
    return lines.join(u'\n');
}

} // namespace marbelisto
