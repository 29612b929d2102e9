#pragma once

#include "vontarelis/host/IFramework.h"

namespace modeltest {

// A framework that hands every call to a real one; test doubles override the few calls they
// change.
class ForwardingFramework : public host::IFramework
{
public:
    explicit ForwardingFramework(host::IFramework &real) : m_real(real) {}

    std::shared_ptr<host::IHostObject> CrearObjeto(const QString &className) override { return m_real.CrearObjeto(className); }
    void StartTransaction() override { m_real.StartTransaction(); }
    void CommitTransaction() override { m_real.CommitTransaction(); }
    void AbortTransaction() override { m_real.AbortTransaction(); }
    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override { return m_real.ReadScalarA(sql, parameters); }
    qint32 ExecuteSQLA(const QString &sql, const QVariantList &parameters) override { return m_real.ExecuteSQLA(sql, parameters); }
    std::unique_ptr<host::IRecordset> OpenRecordsetA(const QString &sql, const QVariantList &parameters) override
    {
        return m_real.OpenRecordsetA(sql, parameters);
    }
    QVariant ReadScalar(const QString &sql, const QVariantList &values) override { return m_real.ReadScalar(sql, values); }
    QString StringDB(const QString &text) const override { return m_real.StringDB(text); }
    std::shared_ptr<host::ITheme> TemaUI() override { return m_real.TemaUI(); }
    std::shared_ptr<host::IInputBox> InputBoxEx() override { return m_real.InputBoxEx(); }
    bool ExtendEval(host::IDocument &document, const QString &scriptFile, const QVariant &sVarId,
                    QVariant &vRetBuffer, QVariant &sRetString) override
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
    host::IFramework &m_real;
};

} // namespace modeltest
