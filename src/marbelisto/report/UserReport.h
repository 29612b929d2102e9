#pragma once

#include "hostlibs/PrintJob.h"
#include "marbelisto/report/ReportDefinition.h"
#include "toolkit/Currency.h"

#include <QVariant>

#include <vector>

namespace host {
class IFramework;
}

namespace marbelisto {

// A user report laid out as text: the company and the title head every page, then the column
// captions; one entry per row of the query; the totals of the summed columns and the count of
// rows close it. Nothing is cut: a text longer than its column goes on below in the same column
// (the row's lines stay together), and a column of figures or dates widens to its widest value,
// total included, so that every total stands right under its column.
class UserReport
{
public:
    UserReport(const ReportDefinition &definition, const QString &parameterName, const QVariant &parameterValue);

    // Runs the query through the framework; raises what the database raises.
    hostlibs::PrintJob layOut(host::IFramework &framework, const QString &documentType) const;

private:
    QString title() const;
    QStringList captions() const;
    QStringList totalTexts(const std::vector<toolkit::Currency> &totals) const;
    std::vector<int> columnWidths(const QList<QStringList> &rows, const QStringList &totals) const;
    QString row(const QStringList &cells, const std::vector<int> &widths) const;

    const ReportDefinition &m_definition;
    QString m_parameterName;
    QVariant m_parameterValue;
};

} // namespace marbelisto
