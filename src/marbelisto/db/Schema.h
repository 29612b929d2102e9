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
    // Rules an older database may lack: statements that are safe to run again, and a query
    // whose count is 0 while a database lacks them (empty: nothing to add on this engine);
    // where the rules refuse rows, a query that names in one text each row breaking them.
    struct Rules
    {
        QStringList statements;
        QString present;
        QString broken = {};
    };

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
        // Links to existing guides and invoices, figures not negative, capacities positive.
        Rules constraints;
        // Whether the constraints a table declares hold for every program that writes it; where
        // not (SQLite checks foreign keys only on connections that ask), a new database also
        // gets the constraints' statements.
        bool enforcesDeclaredConstraints;
        // The triggers that keep a closed guide as it was closed, and the returns of its reviews.
        Rules closedGuide;
        Rules closedGuideReturns;
        // How the identity tables take their numbers, where the engine's own way leaves gaps.
        Rules numbering;
        // What tells the listeners of ChangeChannel that guides changed; none on an engine
        // without notifications.
        Rules changeNotice;
        // What the workstations' role may do: read the host's tables, read and write the
        // component's; none on an engine without roles.
        Rules workstationAccess;
    };

    // The channel a server notifies on when a guide or its links change.
    static constexpr const char *ChangeChannel = "gdvontarelis";
    // The server role whose members are the workstations: it owns nothing, so it can neither
    // create, alter nor drop; the schema belongs to whoever created the database's tables.
    static constexpr const char *WorkstationRole = "marbelisto_puesto";

    static Schema sqlite();
    static Schema postgres();
    // By the Qt SQL driver's name ("QSQLITE", "QPSQL").
    static Schema forDriver(const QString &driverName);

    explicit Schema(Types types);

    // The statements that create every table, index and trigger, in order.
    QStringList statements() const;
    // In the order an older database gains them: links, figures and capacities keep their
    // constraints; a closed guide refuses every change to its
    // links and its row, then to its returns; identity tables number without gaps; the other desks hear of
    // every change to guides; the workstations' role may use every table, the newest included.
    QList<Rules> rules() const;
    // A statement with the engine's spelling of the types ($REAL, $MONEY, ...).
    QString spelled(const QString &statement) const;

private:
    Types m_types;
};

} // namespace marbelisto
