#pragma once

#include <QStatusBar>

class QLabel;

namespace marbelisto {

// The main window's status bar: the database the session works on, the company and the
// signed-in user, always in view; messages of the moment take the space on the left.
class SessionStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    SessionStatusBar(const QString &database, const QString &user, QWidget *parent = nullptr);

    void setCompany(const QString &name);
    // While the server is out of reach a panel says so, before the others.
    void setReachable(bool reachable);
    // Beside the session's panels until the window closes; messages of the moment cover it.
    void warn(const QString &text);

private:
    QLabel *panel(const QString &name, const QString &text, const QString &toolTip);

    QLabel *m_company;
    QLabel *m_outage;
};

} // namespace marbelisto
