#pragma once

#include <QString>
#include <QStringList>

namespace hostlibs {

// One print, as text: the lines that head every page, the body that flows over the pages, and
// the closing lines printed once after the body. The type and number name the print (PDF files
// are named after them). A QrMarker line among them prints the QR code of qrTexts[index].
struct PrintJob
{
    QString documentType;
    QString number;
    QStringList header;
    QStringList body;
    QStringList footer;
    QStringList qrTexts;
};

} // namespace hostlibs
