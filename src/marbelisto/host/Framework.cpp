#include "marbelisto/host/Framework.h"

#include "marbelisto/db/ParameterText.h"
#include "marbelisto/db/SqliteDatabase.h"
#include "marbelisto/host/Empresa.h"
#include "marbelisto/host/Factura.h"
#include "marbelisto/host/InputBox.h"
#include "marbelisto/host/PrintFormatChooser.h"
#include "marbelisto/host/Tema.h"
#include "marbelisto/host/Usuario.h"

#include "marbelisto/report/ReportDefinition.h"
#include "marbelisto/report/UserReport.h"

#include "hostlibs/HostLibraries.h"
#include "hostlibs/InteractivePrintScope.h"
#include "hostlibs/JobPrinter.h"
#include "toolkit/Error.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace marbelisto {

Framework::Framework(std::unique_ptr<Database> database, const DataFolder &folder, const QString &userCode)
    : m_database(std::move(database)),
      m_runner(*m_database),
      m_folder(folder),
      m_userCode(userCode),
      m_theme(std::make_shared<Tema>()),
      m_inputBox(std::make_shared<InputBox>()),
      m_scripts(m_folder.path(), *this)
{
}

std::unique_ptr<Framework> Framework::open(const QString &dataPath, const QString &userCode)
{
    const DataFolder folder(dataPath);
    return std::make_unique<Framework>(SqliteDatabase::open(folder.databaseFile()), folder, userCode);
}

std::shared_ptr<host::IHostObject> Framework::CrearObjeto(const QString &className)
{
    const QString name = className.trimmed();
    const auto is = [&name](const char *known) { return name.compare(QLatin1String(known), Qt::CaseInsensitive) == 0; };
    if (is("Empresa"))
        return std::make_shared<Empresa>(*this);
    if (is("usuario"))
        return std::make_shared<Usuario>(m_userCode);
    if (is("Factura"))
        return std::make_shared<Factura>(*this);
    throw toolkit::Error(toolkit::ErrCannotCreateObject,
                         QStringLiteral("No se puede crear un objeto de la clase «%1»").arg(className),
                         QStringLiteral("Marbelisto.CrearObjeto"));
}

void Framework::StartTransaction()
{
    m_database->beginTransaction();
}

void Framework::CommitTransaction()
{
    m_database->commitTransaction();
}

void Framework::AbortTransaction()
{
    m_database->rollbackTransaction();
}

QVariant Framework::ReadScalarA(const QString &sql, const QVariantList &parameters)
{
    return m_runner.scalar(sql, parameters);
}

qint32 Framework::ExecuteSQLA(const QString &sql, const QVariantList &parameters)
{
    return m_runner.rowsAffected(sql, parameters);
}

std::unique_ptr<host::IRecordset> Framework::OpenRecordsetA(const QString &sql, const QVariantList &parameters)
{
    return m_runner.open(sql, parameters);
}

QVariant Framework::ReadScalar(const QString &sql, const QVariantList &values)
{
    return m_runner.scalar(sql, values);
}

QString Framework::StringDB(const QString &text) const
{
    return quotedText(text);
}

std::shared_ptr<host::ITheme> Framework::TemaUI()
{
    return m_theme;
}

std::shared_ptr<host::IInputBox> Framework::InputBoxEx()
{
    return m_inputBox;
}

bool Framework::ExtendEval(host::IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                           QVariant &vRetBuffer, QVariant &sRetString)
{
    return m_scripts.ExtendEval(document, scriptFile, sVarId, vRetBuffer, sRetString);
}

QString Framework::DataPath() const
{
    return m_folder.path();
}

QString Framework::DeterminarFormato(const QString &formatKey, const QString &formatsKey, const QString &defaultFile,
                                     host::IDocument &)
{
    // Only a print that shows the user its preview may stop to ask which format to use.
    const bool mayAskUser =
        hostlibs::InteractivePrintScope::active() && qobject_cast<QApplication *>(QCoreApplication::instance());
    return PrintFormatChooser(*this, m_folder).choose(formatKey, formatsKey, defaultFile, mayAskUser);
}

void Framework::generarUsrReport(const QString &reportFile, const QString &parameterName,
                                 const QVariant &parameterValue)
{
    const QString path = QDir::isAbsolutePath(reportFile) ? reportFile : m_folder.file(reportFile);
    const ReportDefinition definition = ReportDefinition::read(path);
    const hostlibs::PrintJob job =
        UserReport(definition, parameterName, parameterValue).layOut(*this, QFileInfo(path).completeBaseName());
    hostlibs::IPrintHost &printHost = hostlibs::PrintHost();
    const hostlibs::PrintDestination destination = hostlibs::PrintDestination::resolve(
        printHost.printerSetting(this), hostlibs::InteractivePrintScope::lastPrintInteractive(), DataPath());
    printHost.printed(hostlibs::JobPrinter::print(job, destination));
}

} // namespace marbelisto
