#pragma once

#include <QString>
#include <QStringList>

namespace hostlibs {

// One print, as text: the lines that head every page, the body that flows over the pages, and
// the closing lines printed once after the body. The type and number name the print (PDF files
// are named after them). A QrMarker line among them prints the QR code of qrTexts[index]. An
// entry may hold several lines joined with '\n' (a text wrapped in its column): they are kept on
// one page. columns is the width the document was laid out for, which sets the size of the
// print; 0 takes the widest line.
struct PrintJob
{
    QString documentType;
    QString number;
    int columns = 0;
    QStringList header;
    QStringList body;
    QStringList footer;
    QStringList qrTexts;
};

} // namespace hostlibs
