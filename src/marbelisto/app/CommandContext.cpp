#include "marbelisto/app/CommandContext.h"

#include "marbelisto/app/DataTemplate.h"
#include "marbelisto/host/BookAccess.h"
#include "marbelisto/host/Framework.h"

#include "toolkit/Error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace marbelisto {

CommandContext::CommandContext(const QCommandLineParser &parser, const QString &dataPath, const QString &userCode,
                               QTextStream &out, QTextStream &err)
    : m_parser(parser), m_dataPath(dataPath), m_userCode(userCode), m_out(out), m_err(err)
{
}

DatabaseSource CommandContext::databaseSource() const
{
    // Asked only when given: a parser that never declared --db would warn about it.
    const QString option = QStringLiteral("db");
    return DatabaseSource::choose(m_parser.optionNames().contains(option) ? m_parser.value(option) : QString(),
                                  m_dataPath);
}

std::unique_ptr<Framework> CommandContext::openFramework() const
{
    const DatabaseSource source = databaseSource();
    if (!source.mayExist())
        throw toolkit::Error(toolkit::ErrDatabase,
                             QStringLiteral("La carpeta «%1» no tiene base de datos; créela con "
                                            "«marbelisto init --data %1 --demo»")
                                 .arg(m_dataPath),
                             QStringLiteral("marbelisto"));
    auto framework = std::make_unique<Framework>(source.open(), DataFolder(m_dataPath), m_userCode);
    addShippedFiles();
    warnAboutAccess();
    return framework;
}

void CommandContext::addShippedFiles() const
{
    // A folder made by an older version gains what this one ships and it lacks, such as a newer
    // print format, as quietly as its database gains new columns; a file already there, the
    // site's own, is never touched.
    if (!QFileInfo(m_dataPath).isDir())
        return;
    try {
        DataTemplate::besideProgram(QCoreApplication::applicationDirPath()).copyInto(m_dataPath);
    } catch (const toolkit::Error &error) {
        m_err << QStringLiteral("Aviso: %1\n").arg(error.description());
        m_err.flush();
    }
}

QString CommandContext::accessWarning() const
{
    return BookAccess(DataFolder(m_dataPath), databaseSource().file()).warning();
}

void CommandContext::warnAboutAccess() const
{
    const QString warning = accessWarning();
    if (warning.isEmpty())
        return;
    m_err << QStringLiteral("Aviso: %1\n").arg(warning);
    m_err.flush();
}

} // namespace marbelisto
