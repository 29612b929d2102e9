#pragma once

#include <QList>
#include <QString>

namespace toolkit {

// One row of a code list: the code a clerk would type and the name that explains it.
struct LookupEntry
{
    QString code;
    QString name;
};

// Where a code-lookup box finds its list: a table with a code and a description column.
// The toolkit knows no database; the application adapts its own data access to this.
class ILookupSource
{
public:
    virtual ~ILookupSource() = default;

    virtual QList<LookupEntry> LookupEntries(const QString &table, const QString &codeColumn,
                                             const QString &descriptionColumn) = 0;
};

} // namespace toolkit
