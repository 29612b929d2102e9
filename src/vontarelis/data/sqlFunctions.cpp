#include "vontarelis/data/sqlFunctions.h"

#include "toolkit/Error.h"
#include "vontarelis/entry/globales.h"

#include <limits>

namespace vontarelis {

namespace {

// The host receives its own plain copy of the values. The copy loop counts with a 16-bit
// index that must step past the last element, so 32,767 elements is the most it takes.
QVariantList localCopy(const QVariantList &parameters)
{
    if (parameters.size() > std::numeric_limits<qint16>::max())
        throw toolkit::Error(toolkit::ErrOverflow, QStringLiteral("Desbordamiento: demasiados parámetros"),
                             QStringLiteral("sqlFunctions"));
    return QVariantList(parameters.cbegin(), parameters.cend());
}

} // namespace

QVariant SqlReadScalar(const QString &sql, const QVariantList &parameters)
{
    return CurrentHost().ReadScalarA(sql, localCopy(parameters));
}

qint32 SqlExecute(const QString &sql, const QVariantList &parameters)
{
    return CurrentHost().ExecuteSQLA(sql, localCopy(parameters));
}

std::unique_ptr<host::IRecordset> SqlOpenRecordset(const QString &sql, const QVariantList &parameters)
{
    return CurrentHost().OpenRecordsetA(sql, localCopy(parameters));
}

void SqlBeginTransaction()
{
    CurrentHost().StartTransaction();
}

void SqlCommitTransaction()
{
    CurrentHost().CommitTransaction();
}

void SqlAbortTransaction()
{
    CurrentHost().AbortTransaction();
}

} // namespace vontarelis
