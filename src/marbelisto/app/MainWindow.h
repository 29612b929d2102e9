#pragma once

#include "marbelisto/ui/DispatchActions.h"

#include <QDate>
#include <QMainWindow>

class QMenu;

namespace host {
class IFramework;
}

namespace marbelisto {

class DatabaseWatcher;
class GuideListPanel;
class ReturnsPanel;
class SessionStatusBar;
class SummaryPanel;

// The window a dispatcher works in all day: the menu "Despacho" (new guide, review, print
// again), the latest guides with their filters, the figures of the books, the returns of a
// period, and the session in the status bar. Everything shown is read again when a dialog of the component closes, and
// when another desk changes the guides while no dialog is open here.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(host::IFramework &framework, DispatchActions::ActivatorSource activator,
               const QDate &today = QDate::currentDate(), QWidget *parent = nullptr);

    QMenu *menuDespacho() const { return m_menuDespacho; }
    DispatchActions &dispatch() const { return *m_dispatch; }
    GuideListPanel &guides() const { return *m_guides; }
    // A warning that stays in the status bar while the window is open.
    void warn(const QString &text);

public slots:
    // Reads the figures and the list again, after work that changed them.
    void refresh();

protected:
    bool event(QEvent *event) override;

private:
    void editVehicleTypes();
    // Reads the figures of the books and shows them; raises when the read fails.
    void showSummary();
    void refreshSummary();
    void followOtherDesks();

    host::IFramework &m_framework;
    DatabaseWatcher *m_watcher = nullptr;
    DispatchActions *m_dispatch;
    GuideListPanel *m_guides;
    SummaryPanel *m_summary;
    ReturnsPanel *m_returns;
    SessionStatusBar *m_status;
    QMenu *m_menuDespacho;
};

} // namespace marbelisto
