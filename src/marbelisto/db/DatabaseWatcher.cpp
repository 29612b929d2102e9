#include "marbelisto/db/DatabaseWatcher.h"

#include "marbelisto/db/Database.h"
#include "marbelisto/db/Schema.h"

#include "toolkit/Error.h"

#include <QSqlQuery>
#include <QTimer>

namespace marbelisto {

namespace {

// Notices that come in a burst (several desks at once) are told as one change.
constexpr int DeliveryDelay = 100;

} // namespace

DatabaseWatcher::DatabaseWatcher(Database &database, Busy busy, QObject *parent)
    : QObject(parent), m_database(database), m_busy(std::move(busy)), m_poll(new QTimer(this)),
      m_delivery(new QTimer(this))
{
    m_delivery->setSingleShot(true);
    m_delivery->setInterval(DeliveryDelay);
    connect(m_delivery, &QTimer::timeout, this, &DatabaseWatcher::deliver);
    connect(m_poll, &QTimer::timeout, this, &DatabaseWatcher::poll);
    m_poll->start(PollInterval);
    // Listening starts before the window reads what it shows, so no change falls in between.
    try {
        m_reachable = check();
    } catch (const toolkit::Error &) {
        m_reachable = false;
    }
    m_pending = false;
}

void DatabaseWatcher::settle()
{
    m_pending = false;
    m_delivery->stop();
}

void DatabaseWatcher::resume()
{
    if (m_pending && !m_busy() && !m_delivery->isActive())
        m_delivery->start();
}

void DatabaseWatcher::poll()
{
    // A dialog may be inside a transaction on this connection.
    if (m_busy())
        return;
    bool reachable = false;
    try {
        reachable = check();
    } catch (const toolkit::Error &) {
        // The host said the server is gone; the status bar says so, and the next poll tries again.
    }
    if (reachable != m_reachable) {
        m_reachable = reachable;
        // What other desks did during the outage was never told.
        m_pending = m_pending || reachable;
        emit reachableChanged(reachable);
    }
    if (reachable)
        resume();
}

bool DatabaseWatcher::check()
{
    QSqlDatabase db = m_database.connection();
    QSqlQuery query(db);
    if (db.driver()->dbmsType() == QSqlDriver::PostgreSQL)
        return listen(*db.driver()) && query.exec(QStringLiteral("SELECT 1"));
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return false;
    const qint64 version = query.value(0).toLongLong();
    if (m_dataVersion >= 0 && version != m_dataVersion)
        m_pending = true;
    m_dataVersion = version;
    return true;
}

// A session the host opened again has forgotten what the old one listened to.
bool DatabaseWatcher::listen(QSqlDriver &driver)
{
    const QString channel = QString::fromLatin1(Schema::ChangeChannel);
    if (driver.subscribedToNotifications().contains(channel))
        return true;
    if (!driver.subscribeToNotification(channel))
        return false;
    connect(&driver, &QSqlDriver::notification, this, &DatabaseWatcher::noticed, Qt::UniqueConnection);
    // Whatever changed while nobody listened.
    m_pending = true;
    return true;
}

void DatabaseWatcher::noticed(const QString &channel, QSqlDriver::NotificationSource source)
{
    // This desk's own changes come from its dialogs, and the window reads all when one closes.
    if (channel != QLatin1String(Schema::ChangeChannel) || source == QSqlDriver::SelfSource)
        return;
    m_pending = true;
    resume();
}

void DatabaseWatcher::deliver()
{
    if (!m_pending || m_busy())
        return;
    m_pending = false;
    emit changed();
}

} // namespace marbelisto
