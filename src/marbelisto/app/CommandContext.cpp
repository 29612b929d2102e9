#include "marbelisto/app/CommandContext.h"

#include "marbelisto/host/Framework.h"

#include "toolkit/Error.h"

#include <QFileInfo>

namespace marbelisto {

CommandContext::CommandContext(const QCommandLineParser &parser, const QString &dataPath, const QString &userCode,
                               QTextStream &out)
    : m_parser(parser), m_dataPath(dataPath), m_userCode(userCode), m_out(out)
{
}

std::unique_ptr<Framework> CommandContext::openFramework() const
{
    const DataFolder folder(m_dataPath);
    if (!QFileInfo(folder.databaseFile()).isFile())
        throw toolkit::Error(toolkit::ErrDatabase,
                             QStringLiteral("La carpeta «%1» no tiene base de datos; créela con "
                                            "«marbelisto init --data %1 --demo»")
                                 .arg(m_dataPath),
                             QStringLiteral("marbelisto"));
    return Framework::open(m_dataPath, m_userCode);
}

} // namespace marbelisto
