#pragma once

#include "vontarelis/host/IPrintableDocument.h"
#include "vontarelis/model/ParadaRuta.h"

#include <optional>

namespace host {
class IGuiaDespacho;
}

namespace vontarelis {

// The route sheet of a guide ("Hoja de ruta"), which the driver carries and each customer
// signs: the guide's header, then one block per stop in delivery order with the customer's
// address and telephone, its invoices, and lines for the receiver's name, signature and time.
// It prints through the print library like the guide, from a format of its own that a site
// may change; the guide answers every variable the sheet itself does not.
class HojaDeRuta : public host::IPrintableDocument
{
public:
    static inline const QString FormatFile = QStringLiteral("HojaDeRuta.txt");

    // The guide must be loaded; the stops are read on the first need.
    explicit HojaDeRuta(host::IGuiaDespacho &guia);

    // interactive unless AutoPrint, as the guide's own print.
    void ViewPrint(bool AutoPrint);

    // PARADAS (the number of stops), then the guide's variables.
    bool EvalVar(const QVariant &sVarId, QVariant &vRetBuffer, QVariant &sRetString) override;
    QVariantMap documentFields() const override;
    // "HDR".
    QString TipoEntidad() const override;
    host::IFramework *Factoria() const override;
    QString NombreArchivoFormato() override;
    // The stops in delivery order.
    QList<std::shared_ptr<host::IDocument>> documentLines() override;
    // A route sheet lists nothing below its stops.
    QList<std::shared_ptr<host::IDocument>> documentList(const QString &) override { return {}; }

private:
    const QList<std::shared_ptr<ParadaRuta>> &paradas();

    host::IGuiaDespacho &m_guia;
    std::optional<QList<std::shared_ptr<ParadaRuta>>> m_paradas;
};

} // namespace vontarelis
