#include "vontarelis/forms/select/HostLookupSource.h"

#include "toolkit/VariantConvert.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/ui/HandlerGuard.h"

namespace vontarelis {

QList<toolkit::LookupEntry> HostLookupSource::LookupEntries(const QString &table, const QString &codeColumn,
                                                            const QString &descriptionColumn)
{
    return Guarded(m_location, QList<toolkit::LookupEntry>(), [&] {
        // The names and the condition come from the form's configuration, never from what the user typed.
        const QString where = m_condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + m_condition;
        const QString sql =
            QStringLiteral("SELECT %1, %2 FROM %3%4 ORDER BY %1").arg(codeColumn, descriptionColumn, table, where);
        QList<toolkit::LookupEntry> entries;
        for (auto rs = SqlOpenRecordset(sql, {}); !rs->Eof(); rs->MoveNext()) {
            const QVariant name = rs->Fields(1);
            entries.append({toolkit::toText(rs->Fields(0)), toolkit::isNull(name) ? QString() : toolkit::toText(name)});
        }
        return entries;
    });
}

} // namespace vontarelis
