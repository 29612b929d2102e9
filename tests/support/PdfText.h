#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

namespace testsupport {

// The text of a printed PDF file, read back with pdftotext in layout mode; pages are separated
// by form feeds. Raises when the tool fails.
QString pdfText(const QString &pdfFile);
// The text of each page.
QStringList pdfPages(const QString &pdfFile);
// Where a word first prints on the first page, in points, as pdftotext boxes it; null when it
// is not there. Shows a print's size and whether figures end at one edge.
QRectF pdfWordBox(const QString &pdfFile, const QString &word);
// The PDF files of a folder, by name (a second print of the same second, "X-2.pdf", sorts before
// "X.pdf"; tests that need the order of printing sort by file time).
QStringList pdfFilesIn(const QString &folder);

} // namespace testsupport
