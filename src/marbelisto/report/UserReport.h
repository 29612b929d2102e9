#pragma once

#include "hostlibs/PrintJob.h"
#include "marbelisto/report/ReportDefinition.h"

#include <QVariant>

namespace host {
class IFramework;
}

namespace marbelisto {

// A user report laid out as text: the company and the title head every page, then the column
// captions; one line per row of the query; the totals of the summed columns and the count of
// rows close it.
class UserReport
{
public:
    UserReport(const ReportDefinition &definition, const QString &parameterName, const QVariant &parameterValue);

    // Runs the query through the framework; raises what the database raises.
    hostlibs::PrintJob layOut(host::IFramework &framework, const QString &documentType) const;

private:
    QString title() const;
    QString row(const QStringList &cells) const;

    const ReportDefinition &m_definition;
    QString m_parameterName;
    QVariant m_parameterValue;
};

} // namespace marbelisto
