#include "toolkit/Error.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IHostObject.h"
#include "vontarelis/host/ITheme.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vontarelis;

namespace {

class NoRows : public host::IRecordset
{
public:
    bool Eof() const override { return true; }
    QVariant Fields(const QString &) const override { return {}; }
    QVariant Fields(int) const override { return {}; }
    int FieldCount() const override { return 0; }
    void MoveNext() override {}
};

class Company : public host::ICompany
{
public:
    double tipoCambio() const override { return 1.0; }
    QString MascaraMonetarios() const override { return "#,##0.00"; }
    QString MascaraPrecios() const override { return "#,##0.00"; }
    QString MascaraCantidades() const override { return "#,##0.00"; }
    bool EvalVar(const QVariant &, QVariant &, QVariant &) override { return false; }
};

class PlainTheme : public host::ITheme
{
public:
    void configurarFormulario(QWidget *) override {}
};

// Stands in for the host at the far side of the helpers: records what arrives, answers or fails
// as the test says.
class RecordingFramework : public host::IFramework
{
public:
    std::shared_ptr<host::IHostObject> CrearObjeto(const QString &) override { return std::make_shared<Company>(); }
    void StartTransaction() override { calls << "StartTransaction"; }
    void CommitTransaction() override { calls << "CommitTransaction"; }
    void AbortTransaction() override { calls << "AbortTransaction"; }
    QVariant ReadScalarA(const QString &sql, const QVariantList &parameters) override
    {
        record("ReadScalarA", sql, parameters);
        return scalarAnswer;
    }
    qint32 ExecuteSQLA(const QString &sql, const QVariantList &parameters) override
    {
        record("ExecuteSQLA", sql, parameters);
        return 3;
    }
    std::unique_ptr<host::IRecordset> OpenRecordsetA(const QString &sql, const QVariantList &parameters) override
    {
        record("OpenRecordsetA", sql, parameters);
        return std::make_unique<NoRows>();
    }
    QVariant ReadScalar(const QString &, const QVariantList &) override { return {}; }
    QString StringDB(const QString &text) const override { return text; }
    std::shared_ptr<host::ITheme> TemaUI() override { return std::make_shared<PlainTheme>(); }
    std::shared_ptr<host::IInputBox> InputBoxEx() override { return {}; }
    bool ExtendEval(host::IDocument &, const QString &, const QVariant &, QVariant &, QVariant &) override { return false; }
    QString DataPath() const override { return "/datos/"; }
    QString DeterminarFormato(const QString &, const QString &, const QString &defaultFile, host::IDocument &) override
    {
        return defaultFile;
    }
    void generarUsrReport(const QString &, const QString &, const QVariant &) override {}

    QStringList calls;
    QString lastSql;
    QVariantList lastParameters;
    QVariant scalarAnswer;
    std::function<void()> failure;

private:
    void record(const QString &member, const QString &sql, const QVariantList &parameters)
    {
        calls << member;
        lastSql = sql;
        lastParameters = parameters;
        if (failure)
            failure();
    }
};

class SqlHelpers : public testing::Test
{
protected:
    void SetUp() override { InitHostContext(framework); }

    RecordingFramework framework;
};

} // namespace

TEST_F(SqlHelpers, EachHelperReachesItsHostMemberWithThePlainValues)
{
    qint32 guia = 7;
    QString placa = QStringLiteral("AB123CD");
    QVariantList parameters{guia, placa};
    guia = 8;  // values are taken when the list is built, at the call
    placa.clear();

    framework.scalarAnswer = QVariant(QMetaType::fromType<QString>());
    const QVariant answer = SqlReadScalar("SELECT placas FROM gdVehiculos WHERE id = ? AND placas = ?", parameters);
    EXPECT_TRUE(answer.isNull());  // whatever the host returns, unconverted
    EXPECT_EQ(answer.typeId(), QMetaType::QString);
    EXPECT_EQ(framework.calls.last(), "ReadScalarA");
    EXPECT_EQ(framework.lastParameters, (QVariantList{7, QStringLiteral("AB123CD")}));

    EXPECT_EQ(SqlExecute("UPDATE gdVontarelis SET cerrada = 1 WHERE id = ?", {guia}), 3);
    EXPECT_EQ(framework.calls.last(), "ExecuteSQLA");
    EXPECT_EQ(framework.lastParameters, QVariantList{8});

    EXPECT_TRUE(SqlOpenRecordset("SELECT SCOPE_IDENTITY()", {})->Eof());
    EXPECT_EQ(framework.calls.last(), "OpenRecordsetA");
    EXPECT_EQ(framework.lastSql, "SELECT SCOPE_IDENTITY()");
    EXPECT_TRUE(framework.lastParameters.isEmpty());

    SqlBeginTransaction();
    SqlCommitTransaction();
    SqlAbortTransaction();
    EXPECT_EQ(framework.calls.mid(framework.calls.size() - 3),
              (QStringList{"StartTransaction", "CommitTransaction", "AbortTransaction"}));
}

TEST_F(SqlHelpers, HostErrorsTravelUnchangedAndHugeListsOverflow)
{
    framework.failure = [] { throw toolkit::Error(toolkit::ErrDatabase, "UNIQUE constraint failed", "SQLite"); };
    try {
        SqlExecute("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura) VALUES (?, ?)", {1, 2});
        FAIL() << "the host's error was swallowed";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrDatabase);
        EXPECT_EQ(error.description(), "UNIQUE constraint failed");
        EXPECT_EQ(error.source(), "SQLite");
    }
    framework.failure = nullptr;

    const QVariantList largest(32767, QVariant(1));
    EXPECT_NO_THROW(SqlReadScalar("SELECT 1", largest));
    EXPECT_EQ(framework.lastParameters.size(), 32767);

    const int before = int(framework.calls.size());
    const QVariantList tooMany(32768, QVariant(1));
    try {
        SqlReadScalar("SELECT 1", tooMany);
        FAIL() << "a list the 16-bit index cannot walk was accepted";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrOverflow);
    }
    EXPECT_EQ(framework.calls.size(), before);  // the host never saw it
}
