#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QTextStream;
class QWidget;

namespace marbelisto {

class MainWindow;

// A check of the running program from outside, for tests and for a quick look at an
// installation: with the variable MARBELISTO_MENU_PROBE set, the program chooses every entry
// of the menu "Despacho" in turn and writes, for each window that opens modally, a line
// "<entry> -> <objectName> (<class>): <text>" and closes it again (a text box gets the number of
// the list's first guide, a dialog is cancelled, a message box dismissed). Then it writes how many
// guides the list shows and the first one's number, and the program ends without an event loop.
class MenuProbe : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *Variable = "MARBELISTO_MENU_PROBE";
    static bool requested();

    MenuProbe(MainWindow &window, QTextStream &out);

    // The program's exit code.
    int run();

private:
    void closeModal();

    MainWindow &m_window;
    QTextStream &m_out;
    QString m_entry;
    QPointer<QWidget> m_handled;
};

} // namespace marbelisto
