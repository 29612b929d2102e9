#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <initializer_list>
#include <set>

namespace vontarelis {

// The optional handlers that a form holding a grid editor may offer, called by name as late
// binding did: Q_INVOKABLE (or slot) members ValidateCell(row, col), IsRowValid(row),
// MayAddRow(newRow), MayDeleteRow(row) returning bool, and FillNewRow(newRow). Row and column
// may be declared with any of the usual integer types (int, long, short/qint16, qint64). A form
// without the handler, or whose call fails, consents; a handler of that name whose parameters
// are no integers is reported once as a warning, since it would silently consent.
class GEDFormCallbacks
{
public:
    void setForm(QObject *form) { m_form = form; }

    bool ValidateCell(qint32 row, qint32 col) const { return ask("ValidateCell", {row, col}); }
    bool IsRowValid(qint32 row) const { return ask("IsRowValid", {row}); }
    bool MayAddRow(qint32 newRow) const { return ask("MayAddRow", {newRow}); }
    bool MayDeleteRow(qint32 row) const { return ask("MayDeleteRow", {row}); }
    void FillNewRow(qint32 newRow) const { ask("FillNewRow", {newRow}); }

private:
    bool ask(const char *name, std::initializer_list<qint32> arguments) const;
    void warnOnce(const QByteArray &name) const;

    QPointer<QObject> m_form;
    mutable std::set<QByteArray> m_warned;
};

} // namespace vontarelis
