#pragma once

#include "vontarelis/host/ICompany.h"

namespace host {
class IFramework;
}

namespace marbelisto {

// The company as the table Empresa holds it, read once when the object is made. Without a
// company row the rate is 1 and the masks are "#,##0.00".
class Empresa : public host::ICompany
{
public:
    explicit Empresa(host::IFramework &framework);

    double tipoCambio() const override { return m_tipoCambio; }
    QString MascaraMonetarios() const override { return m_mascaraMonetarios; }
    QString MascaraPrecios() const override { return m_mascaraPrecios; }
    QString MascaraCantidades() const override { return m_mascaraCantidades; }

    // The company's print variables: EMPRESA or NOMBREEMPRESA, RIF, DIRECCION and TELEFONO
    // (also with the suffix EMPRESA: RIFEMPRESA...), in any letter case; false for any other
    // name, with the outputs untouched.
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;

    QString nombre() const { return m_nombre; }
    QString rif() const { return m_rif; }
    QString direccion() const { return m_direccion; }
    QString telefono() const { return m_telefono; }

private:
    QString m_nombre;
    QString m_rif;
    QString m_direccion;
    QString m_telefono;
    double m_tipoCambio = 1.0;
    QString m_mascaraMonetarios = QStringLiteral("#,##0.00");
    QString m_mascaraPrecios = QStringLiteral("#,##0.00");
    QString m_mascaraCantidades = QStringLiteral("#,##0.00");
};

} // namespace marbelisto
