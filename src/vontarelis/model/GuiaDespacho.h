#pragma once

#include "vontarelis/host/IGuiaDespacho.h"
#include "vontarelis/model/GuideFigures.h"

#include <optional>

namespace vontarelis {

// A dispatch guide: one row of gdVontarelis, its invoice links in gdFacturasGuia, the item
// lines computed from those invoices, and the variables its print formats ask for.
// facturas, totalPeso, totalPrecioVenta and totalIVA are the figures recorded at registration
// and are never rewritten; a review stores the figures of the invoices that travelled beside
// them, and from then on those are the guide's figures wherever it shows them.
class GuiaDespacho : public host::IGuiaDespacho
{
public:
    static inline const QString ScriptFile = QStringLiteral("evGuiaDespacho.vbs");

    GuiaDespacho();

    qint32 id() const override { return m_id; }
    void setId(qint32 value) override { m_id = value; }
    QString codigoConductor() const override { return m_codigoConductor; }
    void setCodigoConductor(const QString &value) override { m_codigoConductor = value; }
    qint32 idVehiculo() const override { return m_idVehiculo; }
    void setIdVehiculo(qint32 value) override { m_idVehiculo = value; }
    QDateTime fecha() const override { return m_fecha; }
    void setFecha(const QDateTime &value) override { m_fecha = value; }
    QDateTime horaRegistro() const override { return m_horaRegistro; }
    void setHoraRegistro(const QDateTime &value) override { m_horaRegistro = value; }
    QString operador() const override { return m_operador; }
    void setOperador(const QString &value) override { m_operador = value; }
    qint16 facturas() const override { return m_facturas; }
    void setFacturas(qint16 value) override { m_facturas = value; }
    double totalPeso() const override { return m_totalPeso; }
    void setTotalPeso(double value) override { m_totalPeso = value; }
    toolkit::Currency totalPrecioVenta() const override { return m_totalPrecioVenta; }
    void setTotalPrecioVenta(toolkit::Currency value) override { m_totalPrecioVenta = value; }
    toolkit::Currency totalIVA() const override { return m_totalIVA; }
    void setTotalIVA(toolkit::Currency value) override { m_totalIVA = value; }
    QString codigoVendedor() const override { return m_codigoVendedor; }
    void setCodigoVendedor(const QString &value) override { m_codigoVendedor = value; }
    QString zona() const override { return m_zona; }
    void setZona(const QString &value) override { m_zona = value; }
    bool Cerrada() const override { return m_cerrada; }
    void setCerrada(bool value) override { m_cerrada = value; }

    void invalidateDetalles() override;
    void loadInstance(const host::IRecordset &rs) override;
    bool Load(qint32 n) override;
    host::IFramework *Factoria() const override;
    QString TipoEntidad() const override;
    std::shared_ptr<const host::Detalles> detalles() override;
    void startProcess() override;
    void addFactura(qint32 numero) override;
    bool ExtendEval(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    QString NombreConductor() override;
    QString NombreVendedor() override;
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    void ViewPrint(bool AutoPrint) override;
    void ViewPrintHojaDeRuta(bool AutoPrint) override;
    QString NombreArchivoFormato() override;

    // What the guide shows and prints: the last review's figures, else those of registration.
    GuideFigures figures() const;
    // The version of the row Load read: every review that changes the guide counts one more.
    qint32 version() const { return m_version; }
    // Stores a review's figures on the guide's row and counts its version on, only while the
    // guide is open and still at the version the review started from; false, with nothing
    // written, otherwise. Inside the caller's transaction, the row then stays locked against
    // another desk until the commit. The object shows them once loaded again.
    bool storeDispatchFigures(const GuideFigures &figures, qint32 version) const;

    // A site's script sees the figures the guide prints, so its own variables agree with them.
    QVariantMap documentFields() const override;
    QList<std::shared_ptr<host::IDocument>> documentLines() override;
    // "DEVOLUCIONES": the invoices its reviews returned, with their reasons.
    QList<std::shared_ptr<host::IDocument>> documentList(const QString &name) override;

private:
    qint32 m_id = 0;
    QString m_codigoConductor;
    qint32 m_idVehiculo = 0;
    QDateTime m_fecha;
    QDateTime m_horaRegistro;
    QString m_operador;
    qint16 m_facturas = 0;
    double m_totalPeso = 0.0;
    toolkit::Currency m_totalPrecioVenta;
    toolkit::Currency m_totalIVA;
    QString m_codigoVendedor;
    QString m_zona;
    bool m_cerrada = false;
    // Those of the last review; nothing for a guide never reviewed.
    std::optional<GuideFigures> m_despacho;
    qint32 m_version = 0;
    std::shared_ptr<host::Detalles> m_cacheDetalles;
};

} // namespace vontarelis
