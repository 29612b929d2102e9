#pragma once

#include <QString>

namespace marbelisto {

// SQL Server names user functions and tables with their schema, "dbo.PesoFactura(...)".
// SQLite has no schemas, so the prefix goes before the statement is prepared; text inside
// string literals is data and stays as written.
class DboPrefix
{
public:
    static QString strip(const QString &sql);
};

} // namespace marbelisto
