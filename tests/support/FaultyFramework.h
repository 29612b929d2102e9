#pragma once

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
    explicit FaultyFramework(host::IFramework &real);

    // The nth statement from now (1 = the next) fails; 0 disarms.
    void failStatement(int nth);
    // Statements sent since the last failStatement call, in order.
    const QStringList &statements() const { return m_statements; }
    bool failed() const { return m_failed; }

    std::shared_ptr<host::IHostObject> CrearObjeto(const QString &className) override;
    void StartTransaction() override;
    void CommitTransaction() override;
    void AbortTransaction() override;
    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override;
    qint32 ExecuteSQLA(const QString &sql, const QVariantList &parameters) override;
    std::unique_ptr<host::IRecordset> OpenRecordsetA(const QString &sql, const QVariantList &parameters) override;
    QVariant ReadScalar(const QString &sql, const QVariantList &values) override;
    QString StringDB(const QString &text) const override;
    std::shared_ptr<host::ITheme> TemaUI() override;
    std::shared_ptr<host::IInputBox> InputBoxEx() override;
    bool ExtendEval(host::IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                    QVariant &vRetBuffer, QVariant &sRetString) override;
    QString DataPath() const override;
    QString DeterminarFormato(const QString &formatKey, const QString &formatsKey, const QString &defaultFile,
                              host::IDocument &document) override;
    void generarUsrReport(const QString &reportFile, const QString &parameterName,
                          const QVariant &parameterValue) override;

private:
    // Counts the statement and throws when it is the one to fail.
    void statement(const QString &sql);

    host::IFramework &m_real;
    int m_countdown = 0;
    bool m_failed = false;
    QStringList m_statements;
};

} // namespace testsupport
