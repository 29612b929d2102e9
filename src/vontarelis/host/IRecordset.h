#pragma once

#include <QString>
#include <QVariant>

namespace host {

// The rows of a query, read forward. Field names are looked up without regard to letter case
// and the first match wins; a NULL arrives as a typed QVariant without value.
class IRecordset
{
public:
    virtual ~IRecordset() = default;

    virtual bool Eof() const = 0;
    virtual QVariant Fields(const QString &name) const = 0;
    virtual QVariant Fields(int position) const = 0;
    virtual int FieldCount() const = 0;
    virtual void MoveNext() = 0;
};

} // namespace host
