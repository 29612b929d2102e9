#pragma once

#include <QString>
#include <QStringList>

namespace testsupport {

// The text of a printed PDF file, read back with pdftotext in layout mode; pages are separated
// by form feeds. Raises when the tool fails.
QString pdfText(const QString &pdfFile);
// The text of each page.
QStringList pdfPages(const QString &pdfFile);
// The PDF files of a folder, by name (a second print of the same second, "X-2.pdf", sorts before
// "X.pdf"; tests that need the order of printing sort by file time).
QStringList pdfFilesIn(const QString &folder);

} // namespace testsupport
