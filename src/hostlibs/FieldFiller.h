#pragma once

#include <QString>
#include <QStringList>

namespace host {
class IDocument;
}

namespace hostlibs {

// Fills the fields of format lines from a document: {NAME} as the document writes it,
// {NAME,20} right-aligned in 20 characters, {NAME,-20} left-aligned and cut to 20. A name the
// document does not answer prints empty and is remembered, once, in the order first met.
class FieldFiller
{
public:
    QString fill(const QString &line, host::IDocument &document);
    QStringList fill(const QStringList &lines, host::IDocument &document);

    const QStringList &unknownNames() const { return m_unknown; }

private:
    QString value(const QString &name, host::IDocument &document);

    QStringList m_unknown;
};

} // namespace hostlibs
