#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace host {
class IFramework;
}

namespace marbelisto {

// What the database holds, in figures a user recognises: invoices waiting for dispatch,
// open and closed guides, vehicles, customers...
class DatabaseSummary
{
public:
    using Line = std::pair<QString, qint64>;

    explicit DatabaseSummary(host::IFramework &framework);

    QString companyName() const { return m_companyName; }
    // Label and count, in the order they are shown.
    const std::vector<Line> &lines() const { return m_lines; }

private:
    QString m_companyName;
    std::vector<Line> m_lines;
};

} // namespace marbelisto
