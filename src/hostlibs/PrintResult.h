#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace hostlibs {

// What one print did: where it went (a printer's name or a PDF file; empty when a preview was
// closed without printing), how many pages it had, and what the print library warns of (each
// unknown field, once).
struct PrintResult
{
    QString documentType;
    QString number;
    QString destination;
    QString pdfFile;
    bool interactive = false;
    int pages = 0;
    QStringList warnings;

    QVariantMap toVariantMap() const
    {
        return {{QStringLiteral("documentType"), documentType}, {QStringLiteral("number"), number},
                {QStringLiteral("destination"), destination},   {QStringLiteral("pdfFile"), pdfFile},
                {QStringLiteral("interactive"), interactive},
                {QStringLiteral("pages"), pages},               {QStringLiteral("warnings"), warnings}};
    }
};

} // namespace hostlibs
