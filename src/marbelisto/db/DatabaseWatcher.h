#pragma once

#include <QObject>
#include <QSqlDriver>

#include <functional>

class QTimer;

namespace marbelisto {

class Database;

// Tells a window that other desks changed the guides, and whether the server is within reach.
// On PostgreSQL the server notifies (LISTEN through the Qt driver, whose notices arrive on the
// connection's own thread); a SQLite file is asked for its data version, which moves when
// another connection commits. Every PollInterval the watcher also makes sure the session is
// there: the host reconnects a dropped one, and the watcher listens again on the new one.
// While busy() says a dialog is open the watcher runs nothing on the connection, and what it
// heard meanwhile is told once the dialog is gone.
class DatabaseWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int PollInterval = 2000;

    using Busy = std::function<bool()>;

    DatabaseWatcher(Database &database, Busy busy, QObject *parent = nullptr);

    bool reachable() const { return m_reachable; }

public slots:
    // What is on screen was just read: nothing is pending any more.
    void settle();
    // Tells what waited for a dialog, if there is no dialog any more.
    void resume();

signals:
    void changed();
    void reachableChanged(bool reachable);

private:
    void poll();
    // Raises when the host cannot reconnect a dropped session.
    bool check();
    bool listen(QSqlDriver &driver);
    void noticed(const QString &channel, QSqlDriver::NotificationSource source);
    void deliver();

    Database &m_database;
    Busy m_busy;
    QTimer *m_poll;
    QTimer *m_delivery;
    bool m_pending = false;
    bool m_reachable = true;
    qint64 m_dataVersion = -1;
};

} // namespace marbelisto
