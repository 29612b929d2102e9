#pragma once

#include <QDateTime>
#include <QString>

namespace hostlibs {

// The file a print becomes in a PDF folder: document type, number and time
// ("GDD-000042-20261206-093015.pdf"), with "-2", "-3"... when a print of the same second is
// already there, so no print overwrites another.
class PdfFileName
{
public:
    static QString inFolder(const QString &folder, const QString &documentType, const QString &number,
                            const QDateTime &moment);
};

} // namespace hostlibs
