#include "marbelisto/app/VerbPrintHost.h"

#include "hostlibs/StandardPrintHost.h"

namespace marbelisto {

VerbPrintHost::VerbPrintHost(const QString &folder, QTextStream &out) : m_folder(folder), m_out(out) {}

QString VerbPrintHost::printerSetting(host::IFramework *framework)
{
    return m_folder.isEmpty() ? hostlibs::StandardPrintHost().printerSetting(framework) : m_folder;
}

void VerbPrintHost::printed(const hostlibs::PrintResult &result)
{
    for (const QString &warning : result.warnings)
        m_out << QStringLiteral("Aviso: %1\n").arg(warning);
    m_results.push_back(result);
}

} // namespace marbelisto
