#pragma once

#include "vontarelis/host/IDetalleGuiaDespacho.h"

namespace vontarelis {

// One item line of a guide, computed from the warehouse movements of its invoices.
class DetalleGuiaDespacho : public host::IDetalleGuiaDespacho
{
public:
    static inline const QString ScriptFile = QStringLiteral("evDetalleGD.vbs");

    QString codigoItem() const override { return m_codigoItem; }
    void setCodigoItem(const QString &value) override { m_codigoItem = value; }
    QString descripcion() const override { return m_descripcion; }
    void setDescripcion(const QString &value) override { m_descripcion = value; }
    double unidades() const override { return m_unidades; }
    void setUnidades(double value) override { m_unidades = value; }
    double peso() const override { return m_peso; }
    void setPeso(double value) override { m_peso = value; }
    double volumen() const override { return m_volumen; }
    void setVolumen(double value) override { m_volumen = value; }

    void loadInstance(const host::IRecordset &rs) override;
    bool ExtendEval(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    QVariantMap documentFields() const override;

private:
    QString m_codigoItem;
    QString m_descripcion;
    double m_unidades = 0.0;
    double m_peso = 0.0;
    double m_volumen = 0.0;
};

} // namespace vontarelis
