#pragma once

#include <QString>
#include <QStringList>

namespace testsupport {

// The texts of the QR codes on one page (1-based) of a printed PDF file, found as a reader
// would find them: the page rendered to an image with pdftoppm, the image decoded by zbar's
// zbarimg. Empty when the page carries none; raises when a tool fails.
QStringList pdfQrCodes(const QString &pdfFile, int page = 1);

} // namespace testsupport
