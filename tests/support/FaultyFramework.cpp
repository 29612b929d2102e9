#include "support/FaultyFramework.h"

#include "toolkit/Error.h"

namespace testsupport {

FaultyFramework::FaultyFramework(host::IFramework &real) : m_real(real) {}

void FaultyFramework::failStatement(int nth)
{
    m_countdown = nth;
    m_failed = false;
    m_statements.clear();
}

void FaultyFramework::statement(const QString &sql)
{
    m_statements << sql;
    if (m_countdown <= 0 || --m_countdown > 0)
        return;
    m_failed = true;
    throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("Fallo simulado en la sentencia: %1").arg(sql),
                         QStringLiteral("FaultyFramework"));
}

std::shared_ptr<host::IHostObject> FaultyFramework::CrearObjeto(const QString &className)
{
    return m_real.CrearObjeto(className);
}

void FaultyFramework::StartTransaction()
{
    m_real.StartTransaction();
}

void FaultyFramework::CommitTransaction()
{
    m_real.CommitTransaction();
}

void FaultyFramework::AbortTransaction()
{
    m_real.AbortTransaction();
}

QVariant FaultyFramework::ReadScalarA(const QString &sql, const QVariantList &parameters)
{
    statement(sql);
    return m_real.ReadScalarA(sql, parameters);
}

qint32 FaultyFramework::ExecuteSQLA(const QString &sql, const QVariantList &parameters)
{
    statement(sql);
    return m_real.ExecuteSQLA(sql, parameters);
}

std::unique_ptr<host::IRecordset> FaultyFramework::OpenRecordsetA(const QString &sql, const QVariantList &parameters)
{
    statement(sql);
    return m_real.OpenRecordsetA(sql, parameters);
}

QVariant FaultyFramework::ReadScalar(const QString &sql, const QVariantList &values)
{
    statement(sql);
    return m_real.ReadScalar(sql, values);
}

QString FaultyFramework::StringDB(const QString &text) const
{
    return m_real.StringDB(text);
}

std::shared_ptr<host::ITheme> FaultyFramework::TemaUI()
{
    return m_real.TemaUI();
}

std::shared_ptr<host::IInputBox> FaultyFramework::InputBoxEx()
{
    return m_real.InputBoxEx();
}

bool FaultyFramework::ExtendEval(host::IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                                 QVariant &vRetBuffer, QVariant &sRetString)
{
    return m_real.ExtendEval(document, scriptFile, sVarId, vRetBuffer, sRetString);
}

QString FaultyFramework::DataPath() const
{
    return m_real.DataPath();
}

QString FaultyFramework::DeterminarFormato(const QString &formatKey, const QString &formatsKey,
                                           const QString &defaultFile, host::IDocument &document)
{
    return m_real.DeterminarFormato(formatKey, formatsKey, defaultFile, document);
}

void FaultyFramework::generarUsrReport(const QString &reportFile, const QString &parameterName,
                                       const QVariant &parameterValue)
{
    m_real.generarUsrReport(reportFile, parameterName, parameterValue);
}

} // namespace testsupport
