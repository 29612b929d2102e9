#include "marbelisto/report/UserReport.h"

#include "toolkit/DateFormat.h"
#include "toolkit/Error.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/host/IFramework.h"

#include <QDateTime>
#include <QRegularExpression>

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

// Text wider than its column is cut with an ellipsis, so that no one reads a cut name or amount
// as whole.
QString fitted(const QString &text, const ReportColumn &column)
{
    const QString cut = text.size() > column.width ? text.left(column.width - 1) + u'…' : text;
    if (column.alignment & Qt::AlignRight)
        return cut.rightJustified(column.width, u' ');
    if (column.alignment & Qt::AlignHCenter) {
        const qsizetype left = (column.width - cut.size()) / 2;
        return (QString(left, u' ') + cut).leftJustified(column.width, u' ');
    }
    return cut.leftJustified(column.width, u' ');
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
    hostlibs::PrintJob job;
    job.documentType = documentType;
    job.number = toolkit::toText(m_parameterValue);

    const QVariant company = framework.ReadScalarA(QStringLiteral("SELECT nombre FROM Empresa"), {});
    QStringList captions;
    QStringList rules;
    for (const ReportColumn &column : columns) {
        captions.append(fitted(column.caption, column));
        rules.append(QString(column.width, u'-'));
    }
    job.header = {toolkit::isNull(company) ? QString() : toolkit::toText(company), title(),
                  QStringLiteral("Emitido el %1")
                      .arg(toolkit::DateFormat::format(QDateTime::currentDateTime(), QStringLiteral("General Date"))),
                  QString(), row(captions), row(rules)};

    std::vector<toolkit::Currency> totals(columns.size());
    int count = 0;
    for (auto rs = framework.OpenRecordsetA(sql, QVariantList(uses, m_parameterValue)); !rs->Eof(); rs->MoveNext()) {
        QStringList cells;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QVariant value = rs->Fields(columns.at(i).field);
            cells.append(fitted(cellText(value, columns.at(i).mask), columns.at(i)));
            if (columns.at(i).sum && !toolkit::isNull(value))
                totals[i] += toolkit::toCurrency(value);
        }
        job.body.append(row(cells));
        ++count;
    }

    QStringList totalCells;
    bool labelled = false;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const ReportColumn &column = columns.at(i);
        QString text;
        if (column.sum)
            text = column.mask.isEmpty() ? totals[i].toPlainText() : toolkit::NumberFormat::format(totals[i], column.mask);
        else if (!labelled)
            text = QStringLiteral("Totales");
        labelled = labelled || !column.sum;
        totalCells.append(fitted(text, column));
    }
    job.footer = {row(rules), row(totalCells)};
    if (!m_definition.countLabel().isEmpty())
        job.footer += {QString(), QStringLiteral("%1: %2").arg(m_definition.countLabel()).arg(count)};
    return job;
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

QString UserReport::row(const QStringList &cells) const
{
    QString line = cells.join(u' ');
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace marbelisto
