#pragma once

#include "vontarelis/host/IPrintableDocument.h"
#include "vontarelis/model/FacturaRuta.h"

namespace vontarelis {

// One stop of the route sheet: the customer visited, where and how to reach it, and the
// invoices it receives, which the format's sub-detail block lists.
class ParadaRuta : public host::IPrintableDocument
{
public:
    struct Cliente
    {
        QString codigo;
        QString nombre;
        QString direccion;
        QString telefono;
    };

    ParadaRuta(qint32 parada, Cliente cliente);

    qint32 parada() const { return m_parada; }
    void setParada(qint32 parada) { m_parada = parada; }
    const Cliente &cliente() const { return m_cliente; }
    void addFactura(std::shared_ptr<FacturaRuta> factura);

    // PARADA, CODIGO_CLIENTE, CLIENTE, DIRECCION_CLIENTE, TELEFONO_CLIENTE, FACTURAS_PARADA,
    // VALOR_PARADA, PESO_PARADA.
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    QVariantMap documentFields() const override;
    QString TipoEntidad() const override;
    host::IFramework *Factoria() const override;
    // A stop is printed inside its route sheet, never alone.
    QString NombreArchivoFormato() override { return {}; }
    QList<std::shared_ptr<host::IDocument>> documentLines() override;
    QList<std::shared_ptr<host::IDocument>> documentList(const QString &) override { return {}; }

private:
    double valor() const;
    double peso() const;

    qint32 m_parada;
    Cliente m_cliente;
    QList<std::shared_ptr<FacturaRuta>> m_facturas;
};

} // namespace vontarelis
