#pragma once

#include <QString>
#include <QStringList>

namespace host {
class IDocument;
}

namespace hostlibs {

// Fills the fields of format lines from a document: {NAME} as the document writes it,
// {NAME,20} right-aligned in 20 characters, {NAME,-20} left-aligned in 20. A text longer than
// a left-aligned field goes on in the field's column on the lines below, broken between words,
// so that nothing is cut: one format line may fill several lines, joined with '\n', which
// belong together. A name the document does not answer prints empty and is remembered, once,
// in the order first met.
class FieldFiller
{
public:
    QString fill(const QString &line, host::IDocument &document);
    // Every field whole on the one line, widths only padding: the text of a code is data,
    // not layout.
    QString fillWhole(const QString &line, host::IDocument &document);

    const QStringList &unknownNames() const { return m_unknown; }

    // A field wider than this is no layout but a slip of the keyboard, which would take
    // gigabytes to print.
    static constexpr int WidestField = 1000;

    // The width a format line is laid out for: its text, with each field of a width counted at
    // that width. Its fields fit WidestField.
    static int layoutWidth(const QString &line);
    // Whether every field of the line is at most WidestField wide.
    static bool fieldsFit(const QString &line);

private:
    QString fillLine(const QString &line, host::IDocument &document, bool wrap);
    QString value(const QString &name, host::IDocument &document);

    QStringList m_unknown;
};

} // namespace hostlibs
