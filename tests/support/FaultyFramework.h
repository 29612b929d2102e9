#pragma once

#include "toolkit/Error.h"
#include "vontarelis/host/IFramework.h"

#include <QStringList>

namespace testsupport {

// A framework that hands every call on to a real one and, once armed, fails the Nth statement
// (ReadScalarA, ExecuteSQLA, OpenRecordsetA, ReadScalar) with a database error, as a server
// that refuses a write or goes away mid-operation would. Transactions are handed on unchanged,
// so an abort really discards what the real host wrote.
class FaultyFramework : public host::IFramework
{
public:
    explicit FaultyFramework(host::IFramework &real) : m_real(real) {}

    // The nth statement from now (1 = the next) fails; 0 disarms.
    void failStatement(int nth)
    {
        m_countdown = nth;
        m_failed = false;
        m_statements.clear();
    }
    // Statements sent since the last failStatement call, in order.
    const QStringList &statements() const { return m_statements; }
    bool failed() const { return m_failed; }

    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override
    {
        statement(sql);
        return m_real.ReadScalarA(sql, parameters);
    }
    qint32 ExecuteSQLA(const QString &sql, const QVariantList &parameters) override
    {
        statement(sql);
        return m_real.ExecuteSQLA(sql, parameters);
    }
    std::unique_ptr<host::IRecordset> OpenRecordsetA(const QString &sql, const QVariantList &parameters) override
    {
        statement(sql);
        return m_real.OpenRecordsetA(sql, parameters);
    }
    QVariant ReadScalar(const QString &sql, const QVariantList &values) override
    {
        statement(sql);
        return m_real.ReadScalar(sql, values);
    }

    std::shared_ptr<host::IHostObject> CrearObjeto(const QString &className) override { return m_real.CrearObjeto(className); }
    void StartTransaction() override { m_real.StartTransaction(); }
    void CommitTransaction() override { m_real.CommitTransaction(); }
    void AbortTransaction() override { m_real.AbortTransaction(); }
    QString StringDB(const QString &text) const override { return m_real.StringDB(text); }
    std::shared_ptr<host::ITheme> TemaUI() override { return m_real.TemaUI(); }
    std::shared_ptr<host::IInputBox> InputBoxEx() override { return m_real.InputBoxEx(); }
    bool ExtendEval(host::IDocument &document, const QString &scriptFile, const QVariant &sVarId, QVariant &vRetBuffer,
                    QVariant &sRetString) override
    {
        return m_real.ExtendEval(document, scriptFile, sVarId, vRetBuffer, sRetString);
    }
    QString DataPath() const override { return m_real.DataPath(); }
    QString DeterminarFormato(const QString &formatKey, const QString &formatsKey, const QString &defaultFile,
                              host::IDocument &document) override
    {
        return m_real.DeterminarFormato(formatKey, formatsKey, defaultFile, document);
    }
    void generarUsrReport(const QString &reportFile, const QString &parameterName, const QVariant &parameterValue) override
    {
        m_real.generarUsrReport(reportFile, parameterName, parameterValue);
    }

private:
    // Counts the statement and throws when it is the one to fail.
    void statement(const QString &sql)
    {
        m_statements << sql;
        if (m_countdown <= 0 || --m_countdown > 0)
            return;
        m_failed = true;
        throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("Fallo simulado en la sentencia: %1").arg(sql),
                             QStringLiteral("FaultyFramework"));
    }

    host::IFramework &m_real;
    int m_countdown = 0;
    bool m_failed = false;
    QStringList m_statements;
};

} // namespace testsupport
