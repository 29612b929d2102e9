#pragma once

#include <QDate>
#include <QWidget>

class QDateEdit;
class QTableWidget;

namespace host {
class IFramework;
}

namespace marbelisto {

// The invoices that came back on the guides of a period, by the guide's date: how many for
// each reason and for each driver, most first, with their share of the period's returns.
// Two short tables read better than a chart for a handful of reasons and drivers.
class ReturnsPanel : public QWidget
{
    Q_OBJECT

public:
    // The period starts as the thirty days up to today.
    ReturnsPanel(host::IFramework &framework, const QDate &today, QWidget *parent = nullptr);

    // Reads both tables again for the period shown; raises toolkit::Error when the read fails,
    // leaving them as they were.
    void refresh();

private:
    struct Row
    {
        QString name;
        qint32 count;
    };

    QList<Row> read(const QString &sql) const;
    static void show(QTableWidget &table, const QList<Row> &rows);
    QTableWidget *table(const QString &name, const QString &header);
    // Refreshes after the clerk changed the period, reporting a failed read.
    void periodChanged();

    host::IFramework &m_framework;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QTableWidget *m_byReason;
    QTableWidget *m_byDriver;
};

} // namespace marbelisto
