#pragma once

#include "marbelisto/db/Database.h"
#include "marbelisto/db/QueryRunner.h"
#include "marbelisto/ScriptExtension.h"
#include "marbelisto/host/DataFolder.h"
#include "vontarelis/host/IFramework.h"

#include <memory>

namespace marbelisto {

// The reference host's framework object: one database session, the data folder and the
// signed-in user, with the business objects and services the component asks for.
// Objects and recordsets it hands out are used while it lives.
class Framework : public host::IFramework
{
public:
    Framework(std::unique_ptr<Database> database, const DataFolder &folder, const QString &userCode);
    // A new session on the database of an existing data folder.
    static std::unique_ptr<Framework> open(const QString &dataPath, const QString &userCode);

    // "Empresa", "usuario" and "Factura", in any letter case.
    std::shared_ptr<host::IHostObject> CrearObjeto(const QString &className) override;

    void StartTransaction() override;
    void CommitTransaction() override;
    void AbortTransaction() override;

    // Without a row the answer is Empty (an invalid QVariant).
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

    Database &database() const { return *m_database; }
    const DataFolder &dataFolder() const { return m_folder; }
    QString userCode() const { return m_userCode; }

private:
    std::unique_ptr<Database> m_database;
    QueryRunner m_runner;
    DataFolder m_folder;
    QString m_userCode;
    std::shared_ptr<host::ITheme> m_theme;
    std::shared_ptr<host::IInputBox> m_inputBox;
    ScriptExtension m_scripts;
};

} // namespace marbelisto
