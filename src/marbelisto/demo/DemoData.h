#pragma once

#include <QDate>

#include <cstdint>

namespace marbelisto {

class Database;

// The books of a wholesale grocery distributor, for trying the application: zones,
// salespeople and drivers, customers, goods with their unit weights, invoices of the last
// six weeks in three series (the older ones mostly dispatched, some in another currency
// rate or with rate 0, meaning the company's), one "FCT" warehouse voucher per invoice with
// two to five lines (a few with goods returned), vehicles, and a few open guides.
// The same seed, size and date give the same rows on every machine.
class DemoData
{
public:
    static constexpr std::uint32_t DefaultSeed = 20240601;
    static constexpr int DefaultInvoices = 600;

    struct Options
    {
        std::uint32_t seed = DefaultSeed;
        int invoices = DefaultInvoices;
        // The day the books end; invoices lie in the six weeks before it.
        QDate today = QDate::currentDate();
    };

    explicit DemoData(const Options &options);

    // Writes everything into a database that has the schema and no rows, in one transaction.
    void fill(Database &database) const;

private:
    Options m_options;
};

} // namespace marbelisto
