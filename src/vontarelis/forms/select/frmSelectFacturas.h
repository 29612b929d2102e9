#pragma once

#include "vontarelis/forms/select/LoadIndicator.h"

#include <QDialog>
#include <QList>

#include <memory>

class QTimer;

namespace Ui {
class frmSelectFacturas;
}

namespace toolkit {
class FocusValidator;
}

namespace vontarelis {

class DriverSalespersonEntry;
class InvoiceSelection;
class InvoiceVolumes;
class LoadIndicator;
class StopOrder;
class VehicleEntry;

// The guide-creation dialog: who drives what (DriverSalespersonEntry, VehicleEntry), which
// invoices travel (InvoiceSelection, filled by InvoiceSearch) in which order (StopOrder), and "Procesar", which stores the
// guide (GuideRegistration), prints it and empties the dialog for the next one. The layout lives
// in frmSelectFacturas.ui; this class wires the controls' events to those parts. Every handler
// is entered through the handler guard, so an error it does not trap is reported and the
// dialog stays usable.
class frmSelectFacturas : public QDialog
{
    Q_OBJECT
public:
    explicit frmSelectFacturas(QWidget *parent = nullptr);
    ~frmSelectFacturas() override;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wireFields();
    void wireGrid();
    void wireHints();

    void Form_Load();
    void Form_Unload();
    void cbCargarFacturas_Click();
    bool ListaParaRegistrar();
    void cbOk_Click();
    bool QuitarFacturasTomadas(const QList<qint32> &marcadas);
    void detalles_Click();
    void detalles_KeyPress(qint16 &keyAscii);
    // y: where, in twips from the grid's top.
    void detalles_MouseDown(qint16 button, double y);
    void detalles_ContextKey();
    // The bulk-change menu at that point of the screen, and the totals after the change.
    // The bulk changes and the moves of that row's stop.
    void CambioMasivo(const QPoint &globalPos, qint32 fila);

    void MostrarTotales();
    void MostrarCarga();
    // The ticked weight, and their volume when the vehicle's type has a volume capacity.
    LoadIndicator::Load carga() const;
    void MostrarProximaGuia();
    void LimpiarFormulario();
    void LlenarZonas();
    void VaciarEntradas();
    void VolverAlDiseno();
    void MostrarAyuda(const QString &text);

    std::unique_ptr<Ui::frmSelectFacturas> ui;
    toolkit::FocusValidator *m_validator;
    QTimer *Timer1;
    std::unique_ptr<InvoiceSelection> m_seleccion;
    std::unique_ptr<StopOrder> m_paradas;
    std::unique_ptr<DriverSalespersonEntry> m_personas;
    std::unique_ptr<VehicleEntry> m_vehiculo;
    std::unique_ptr<LoadIndicator> m_carga;
    std::unique_ptr<InvoiceVolumes> m_volumenes;

    // The next key press in the grid is ignored (set by any mouse press on it).
    bool omitirTecla = false;
    // Zone code of the guide, taken at the first attempt to register it.
    QString zona;
    // "Guía N registrada" while the total labels still show that guide's figures.
    QString guiaRegistrada;
    bool m_loaded = false;
};

} // namespace vontarelis
