#pragma once

#include "vontarelis/host/IDocument.h"

#include <QDateTime>
#include <QString>

namespace vontarelis {

// One invoice of a stop on the route sheet: its reference, date, gross value in the company's
// base currency and weight.
class FacturaRuta : public host::IDocument
{
public:
    FacturaRuta(QString referencia, QDateTime fecha, double valor, double peso);

    double valor() const { return m_valor; }
    double peso() const { return m_peso; }

    // FACTURA, FECHA_FACTURA, VALOR, PESO.
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    QVariantMap documentFields() const override;

private:
    QString m_referencia;
    QDateTime m_fecha;
    double m_valor;
    double m_peso;
};

} // namespace vontarelis
