#pragma once

#include <QString>
#include <QStringList>

namespace marbelisto {

// The whole database of the reference host: its own tables (company, settings, zones,
// salespeople, customers, items, invoices, warehouse vouchers and movements) and the four
// tables of the dispatch-guide component, with the indexes their queries need. The tables
// are written once; each engine supplies its spelling of the few types that differ.
class Schema
{
public:
    struct Types
    {
        QString identity;   // a key the engine numbers, readable with IDENT_CURRENT
        QString rowKey;     // a numeric key the engine fills when the insert leaves it out
        QString money;      // four decimals
        QString dateTime;
        QString now;        // default expression: the local time of the insert
        QString real;       // double precision
        // Text sorted and compared as Spanish, case-insensitive: on PostgreSQL the ICU collation
        // espanol_ci (locale 'es-u-ks-level2', not deterministic), the case-blind form of "es-x-icu".
        QString spanishText;
        QString keyedTable; // clause after a table keyed by its own columns
        // The triggers that keep a closed guide as it was closed, each statement safe to run
        // again, and a count that is 0 while a database lacks them.
        QStringList closedGuide;
        QString hasClosedGuide;
        // What tells the listeners of ChangeChannel that guides changed, and a count that is 0
        // while a database lacks it; none on an engine without notifications.
        QStringList changeNotice;
        QString hasChangeNotice;
    };

    // The channel a server notifies on when a guide or its links change.
    static constexpr const char *ChangeChannel = "gdvontarelis";

    static Schema sqlite();
    static Schema postgres();
    // By the Qt SQL driver's name ("QSQLITE", "QPSQL").
    static Schema forDriver(const QString &driverName);

    explicit Schema(Types types);

    // The statements that create every table, index and trigger, in order.
    QStringList statements() const;
    // A closed guide refuses every change to its links and its row (see statements()).
    QStringList closedGuideRules() const;
    // A query whose count is 0 while the database lacks those rules.
    QString closedGuideRulesPresent() const;
    // Notices to the other desks when guides change; empty where the engine has none.
    QStringList changeNoticeRules() const;
    // A query whose count is 0 while the database lacks them; empty where there are none.
    QString changeNoticeRulesPresent() const;
    // A statement with the engine's spelling of the types ($REAL, $MONEY, ...).
    QString spelled(const QString &statement) const;

private:
    Types m_types;
};

} // namespace marbelisto
