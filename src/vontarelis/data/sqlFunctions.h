#pragma once

#include "vontarelis/host/IRecordset.h"

#include <QString>
#include <QVariantList>

#include <memory>

// Every statement of the component goes through these helpers to the host's framework object.
// The parameter list holds one value per "?" in order, built at the point of the call.
namespace vontarelis {

QVariant SqlReadScalar(const QString &sql, const QVariantList &parameters);
qint32 SqlExecute(const QString &sql, const QVariantList &parameters);
std::unique_ptr<host::IRecordset> SqlOpenRecordset(const QString &sql, const QVariantList &parameters);

void SqlBeginTransaction();
void SqlCommitTransaction();
void SqlAbortTransaction();

} // namespace vontarelis
