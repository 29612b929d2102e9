#pragma once

#include <QObject>
#include <QPointer>

#include <initializer_list>

namespace vontarelis {

// The optional handlers that a form holding a grid editor may offer, called by name as late
// binding did: Q_INVOKABLE (or slot) members ValidateCell(int row, int col), IsRowValid(int row),
// MayAddRow(int newRow), MayDeleteRow(int row) returning bool, and FillNewRow(int newRow).
// A form without the handler, or whose call fails, consents.
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

    QPointer<QObject> m_form;
};

} // namespace vontarelis
