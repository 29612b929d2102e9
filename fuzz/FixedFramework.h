#pragma once

#include "toolkit/Currency.h"
#include "toolkit/Error.h"
#include "vontarelis/host/ICompany.h"
#include "vontarelis/host/IFramework.h"

#include <QDateTime>

namespace fuzz {

// Three rows whose every field holds, by the field's name, money, a number, a moment, a text
// or NULL: what a report's query can hand its columns.
class FixedRecordset : public host::IRecordset
{
public:
    bool Eof() const override { return m_row >= 3; }
    QVariant Fields(const QString &name) const override { return Fields(int(qHash(name) % 5)); }
    QVariant Fields(int position) const override
    {
        switch ((position + m_row) % 5) {
        case 0:
            return QVariant::fromValue(toolkit::Currency::fromRaw(-123456789 * (m_row + 1)));
        case 1:
            return 1500.25 * (m_row - 1);
        case 2:
            return QDateTime(QDate(2026, 12, 4 + m_row), QTime(9, 30));
        case 3:
            return QStringLiteral("Comercial El Llano de San Juan, S.R.L. sucursal %1").arg(m_row);
        }
        return QVariant(QMetaType::fromType<double>());
    }
    int FieldCount() const override { return 5; }
    void MoveNext() override { ++m_row; }

private:
    int m_row = 0;
};

class FixedCompany : public host::ICompany
{
public:
    double tipoCambio() const override { return 36.5; }
    QString MascaraMonetarios() const override { return QStringLiteral("#,##0.00"); }
    QString MascaraPrecios() const override { return QStringLiteral("Bs. #,##0.00"); }
    QString MascaraCantidades() const override { return QStringLiteral("#,##0.###"); }
    bool EvalVar(const QVariant &, QVariant &, QVariant &) override { return false; }
};

// A framework whose reads answer from the fixed rows above; nothing else is reached.
class FixedFramework : public host::IFramework
{
public:
    std::shared_ptr<host::IHostObject> CrearObjeto(const QString &) override { return std::make_shared<FixedCompany>(); }
    void StartTransaction() override { unreachable(); }
    void CommitTransaction() override { unreachable(); }
    void AbortTransaction() override { unreachable(); }
    QVariant ReadScalarA(const QString &, const QVariantList &) override { return QStringLiteral("Distribuidora Los Andes"); }
    qint32 ExecuteSQLA(const QString &, const QVariantList &) override { unreachable(); }
    std::unique_ptr<host::IRecordset> OpenRecordsetA(const QString &, const QVariantList &) override
    {
        return std::make_unique<FixedRecordset>();
    }
    QVariant ReadScalar(const QString &, const QVariantList &) override { unreachable(); }
    QString StringDB(const QString &) const override { unreachable(); }
    std::shared_ptr<host::ITheme> TemaUI() override { unreachable(); }
    std::shared_ptr<host::IInputBox> InputBoxEx() override { unreachable(); }
    bool ExtendEval(host::IDocument &, const QString &, const QVariant &, QVariant &, QVariant &) override { unreachable(); }
    QString DataPath() const override { unreachable(); }
    QString DeterminarFormato(const QString &, const QString &, const QString &, host::IDocument &) override { unreachable(); }
    void generarUsrReport(const QString &, const QString &, const QVariant &) override { unreachable(); }

private:
    [[noreturn]] static void unreachable() { std::abort(); }
};

} // namespace fuzz
