#pragma once

#include "toolkit/ILookupSource.h"

namespace vontarelis {

// The list of a code-lookup box read from a table of the host's database, optionally only the
// rows that meet a condition. The box asks from inside its own key and button handling, so a
// failing read is reported with the location given here and shows an empty list.
class HostLookupSource : public toolkit::ILookupSource
{
public:
    explicit HostLookupSource(QString location, QString condition = QString())
        : m_location(std::move(location)), m_condition(std::move(condition))
    {
    }

    QList<toolkit::LookupEntry> LookupEntries(const QString &table, const QString &codeColumn,
                                              const QString &descriptionColumn) override;

private:
    QString m_location;
    QString m_condition;
};

} // namespace vontarelis
