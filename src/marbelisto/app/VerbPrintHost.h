#pragma once

#include "hostlibs/IPrintHost.h"
#include "hostlibs/PrintResult.h"

#include <QTextStream>

#include <vector>

namespace marbelisto {

// How a verb prints: into its own folder when it was told where the files go (else where the
// data folder's setting says), keeping the account of each print and writing its warnings
// where the verb reports.
class VerbPrintHost : public hostlibs::IPrintHost
{
public:
    VerbPrintHost(const QString &folder, QTextStream &out);

    QString printerSetting(host::IFramework *framework) override;
    void printed(const hostlibs::PrintResult &result) override;

    const std::vector<hostlibs::PrintResult> &results() const { return m_results; }

private:
    QString m_folder;
    QTextStream &m_out;
    std::vector<hostlibs::PrintResult> m_results;
};

} // namespace marbelisto
