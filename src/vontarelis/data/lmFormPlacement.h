#pragma once

#include <QString>

class QWidget;

// Where the user left each dialog: position and size in twips, in screen coordinates, kept in
// the per-user settings store under application "QRN", section "CONFIG\FormPlacement\<name>".
namespace vontarelis {

// -100 when nothing usable is stored.
qint32 ReadPlacementValue(const QString &formName, const QString &key);
// An empty name stands for the window's objectName. skipScreenChecks keeps a placement that
// runs off the screen; one past any screen's reach leaves the window where it is.
void RestoreFormPlacement(QWidget &form, const QString &name, bool skipScreenChecks);
void SaveFormPlacement(QWidget &form, const QString &name);

} // namespace vontarelis
