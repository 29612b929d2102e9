#include "vontarelis/forms/confirm/frmConfirmarBruvelos.h"

#include "ui_frmConfirmarBruvelos.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/FocusValidator.h"
#include "toolkit/KeyPreview.h"
#include "toolkit/Twips.h"
#include "vontarelis/data/lmFormPlacement.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/confirm/GuideLookup.h"
#include "vontarelis/forms/confirm/GuideProcessing.h"
#include "vontarelis/forms/confirm/InvoiceByReference.h"
#include "vontarelis/forms/confirm/InvoiceRows.h"
#include "vontarelis/forms/confirm/ReturnReasons.h"
#include "vontarelis/forms/confirm/ReviewStops.h"
#include "vontarelis/forms/confirm/SelectionTotals.h"
#include "vontarelis/forms/confirm/TickSelection.h"
#include "vontarelis/model/GuiaDespacho.h"
#include "vontarelis/ui/HandlerGuard.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace vontarelis {

namespace {

const QString FormName = QStringLiteral("frmConfirmarBruvelos");

QString location(const char *handlerName)
{
    return FormName + QStringLiteral("::") + QString::fromLatin1(handlerName);
}

// Header texts whose trailing blanks give the columns their first widths.
const QString InvoiceFormat = QStringLiteral("Numero de Factura|Fecha") + QString(12, u' ') + QStringLiteral("|Cliente")
                              + QString(81, u' ') + QStringLiteral("|Valor total") + QString(6, u' ')
                              + QStringLiteral("|^Entregada|||||");

} // namespace

frmConfirmarBruvelos::frmConfirmarBruvelos(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmConfirmarBruvelos>()), guia(std::make_unique<GuiaDespacho>())
{
    ui->setupUi(this);
    resize(toolkit::Twips::toPixelsX(9630), toolkit::Twips::toPixelsY(8445));
    ui->numGuia->setFormat(QStringLiteral("0000000"));
    ui->numGuia->setValue(0);
    ui->detalles->setFixedCols(0);
    ui->detalles->setFormatString(InvoiceFormat);
    ui->detalles->setRows(2);

    m_rows = std::make_unique<InvoiceRows>(*ui->detalles);
    m_paradas = std::make_unique<ReviewStops>(*ui->detalles, *m_rows);
    m_totals = std::make_unique<SelectionTotals>(*ui->lblValorSel, *ui->lblPesoSel, *ui->lblqFacturas);
    m_returns = std::make_unique<ReturnReasons>();
    m_selection = std::make_unique<TickSelection>(*m_rows, *m_totals, *m_returns);
    m_lookup = std::make_unique<GuideLookup>(
        *guia,
        GuideLookup::HeaderLabels{ui->lblFechaDespacho, ui->lblTipoVehiculo, ui->lblPlacas, ui->lblNombreConductor,
                                  ui->lblNombreVendedor},
        *m_totals, *m_rows);

    auto *validator = new toolkit::FocusValidator(this);
    validator->setValidator(ui->numGuia, [this] {
        return Guarded(location("numGuia_Validate"), false, [this] { return numGuia_Validate(); });
    });
    validator->setEnterHandler(ui->numGuia, [this] {
        Guarded(location("numGuia_GotFocus"), [this] { numGuia_GotFocus(); });
    });
    validator->setCausesValidation(ui->cbCancelar, false);
    wireHints(*validator);
    new toolkit::KeyPreview(this, [](qint16 &keyAscii, QWidget *activeControl) {
        Guarded(location("Form_KeyPress"), [&] { hostlibs::CommonUtilities().HandleKeyPress(keyAscii, activeControl); });
    });

    ui->detalles->viewport()->installEventFilter(this);
    connect(ui->detalles, &toolkit::FlexGrid::Click, this,
            [this] { Guarded(location("detalles_Click"), [this] { detalles_Click(); }); });
    connect(ui->detalles, &toolkit::FlexGrid::KeyPress, this, [this](qint16 &keyAscii) {
        Guarded(location("detalles_KeyPress"), [&] { detalles_KeyPress(keyAscii); });
    });
    onClick(ui->cbAgregarFactura, "cbAgregarFactura_Click", &frmConfirmarBruvelos::cbAgregarFactura_Click);
    onClick(ui->cbSelectAll, "cbSelectAll_Click", &frmConfirmarBruvelos::cbSelectAll_Click);
    onClick(ui->cbDeselectAll, "cbDeselectAll_Click", &frmConfirmarBruvelos::cbDeselectAll_Click);
    onClick(ui->cbCancelar, "cbCancelar_Click", &frmConfirmarBruvelos::cbCancelar_Click);
    onClick(ui->cbOk, "cbOk_Click", &frmConfirmarBruvelos::cbOk_Click);
    RouteToolkitErrors(*this);
}

frmConfirmarBruvelos::~frmConfirmarBruvelos() = default;

void frmConfirmarBruvelos::onClick(QPushButton *button, const char *handlerName,
                                   void (frmConfirmarBruvelos::*handler)())
{
    connect(button, &QPushButton::clicked, this,
            [this, handlerName, handler] { Guarded(location(handlerName), [this, handler] { (this->*handler)(); }); });
}

void frmConfirmarBruvelos::showEvent(QShowEvent *event)
{
    // Each showing is one load, as the classic form loads on every Show after an Unload.
    if (!event->spontaneous() && !m_loaded) {
        m_loaded = true;
        Guarded(location("Form_Load"), [this] { Form_Load(); });
    }
    QDialog::showEvent(event);
}

void frmConfirmarBruvelos::done(int result)
{
    if (m_loaded) {
        m_loaded = false;
        Guarded(location("Form_Unload"), [this] { Form_Unload(); });
    }
    QDialog::done(result);
}

void frmConfirmarBruvelos::keyPressEvent(QKeyEvent *event)
{
    // Escape is "Cancelar", which asks before dropping a guide on screen.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Guarded(location("Form_KeyDown"), [this] { cbCancelar_Click(); });
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmConfirmarBruvelos::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == ui->detalles->viewport()) {
        Guarded(location("detalles_Resize"), [this] { detalles_Resize(); });
    }
    return QDialog::eventFilter(watched, event);
}

void frmConfirmarBruvelos::detalles_Resize()
{
    m_rows->fitCliente(toolkit::Twips::fromPixelsX(ui->detalles->viewport()->width()));
}

void frmConfirmarBruvelos::Form_Load()
{
    hostlibs::CommonUtilities().PrepareForm(this);
    RestoreFormPlacement(*this, QString(), false);
    if (gTemaUI)
        gTemaUI->configurarFormulario(this);
    m_rows->setUpColumns();
    m_paradas->setUpColumn();
    detalles_Resize();
    LimpiarFormulario();
}

void frmConfirmarBruvelos::Form_Unload()
{
    SaveFormPlacement(*this, QString());
}

void frmConfirmarBruvelos::LimpiarFormulario()
{
    ui->numGuia->setValue(0);
    ui->fechaReporte->setValue(QDate::currentDate());
    ui->chkCerrarGuia->setChecked(false);
    m_rows->clear();
    m_returns->clear();
    m_lookup->clearHeader();
    ui->numGuia->setFocus();
}

bool frmConfirmarBruvelos::numGuia_Validate()
{
    // Leaving the box with the number of the guide on screen keeps the user's ticks and added
    // invoices; only another number loads a guide.
    if (m_lookup->keepShown(ui->numGuia->value()))
        return true;
    return Buscar(ui->numGuia->value());
}

bool frmConfirmarBruvelos::Buscar(double numero)
{
    if (!m_lookup->Buscar(numero))
        return false;
    m_paradas->load(guia->id());
    return true;
}

void frmConfirmarBruvelos::numGuia_GotFocus()
{
    MostrarAyuda(QStringLiteral("Introduzca el número de la guía a procesar"));
}

void frmConfirmarBruvelos::wireHints(toolkit::FocusValidator &validator)
{
    const std::pair<QWidget *, QString> hints[] = {
        {ui->fechaReporte, QStringLiteral("Fecha del reporte: flechas izquierda y derecha para pasar del día al mes y "
                                          "al año, arriba y abajo para cambiarlos")},
        {ui->chkCerrarGuia, QStringLiteral("Barra espaciadora: cerrar la guía al procesarla")},
        {ui->cbAgregarFactura, QStringLiteral("Enter: agregar una factura por su número")},
        {ui->cbSelectAll, QStringLiteral("Enter: marcar todas las facturas como entregadas")},
        {ui->cbDeselectAll, QStringLiteral("Enter: desmarcar todas las facturas")},
        {ui->detalles, QStringLiteral("Espacio: marcar/desmarcar la selección como entregada · Mayús+flechas: elegir "
                                      "filas · Ctrl+A: todas")},
        {ui->cbOk, QStringLiteral("Enter o Alt+P: procesar la guía con las facturas marcadas")},
        {ui->cbCancelar, QStringLiteral("Enter o Esc: abandonar los cambios")},
    };
    for (const auto &[control, hint] : hints) {
        validator.setEnterHandler(control, [this, name = control->objectName().toLatin1() + "_GotFocus", hint] {
            Guarded(location(name.constData()), [&] { MostrarAyuda(hint); });
        });
    }
}

void frmConfirmarBruvelos::MostrarAyuda(const QString &text)
{
    ui->StatusBar1->Panels(1)->setText(text);
}

void frmConfirmarBruvelos::detalles_Click()
{
    m_selection->CambiarSeleccion(ui->detalles->Row());
}

void frmConfirmarBruvelos::detalles_KeyPress(qint16 &keyAscii)
{
    constexpr qint16 BarraEspaciadora = 32;
    if (keyAscii != BarraEspaciadora)
        return;
    m_selection->CambiarRango(ui->detalles->Row(), ui->detalles->RowSel());
    keyAscii = 0;
}

void frmConfirmarBruvelos::cbAgregarFactura_Click()
{
    InvoiceByReference(*guia, *m_rows, *m_totals).Agregar();
    m_paradas->complete();
}

void frmConfirmarBruvelos::cbSelectAll_Click()
{
    m_selection->IncluirTodas();
}

void frmConfirmarBruvelos::cbDeselectAll_Click()
{
    m_selection->DesmarcarTodas();
}

void frmConfirmarBruvelos::cbCancelar_Click()
{
    // Whatever the box holds, even a number no guide can have, it is only compared with 0.
    if (std::nearbyint(ui->numGuia->value()) == 0) {
        reject();
        return;
    }
    if (hostlibs::CommonUtilities().AskYesNo(QStringLiteral("Abandonar los cambios"), false, QString()))
        LimpiarFormulario();
}

void frmConfirmarBruvelos::cbOk_Click()
{
    const GuideProcessing::Outcome outcome =
        GuideProcessing(*guia, m_lookup->shownVersion(), *m_rows, *m_returns, m_paradas->stops(),
                        ui->chkCerrarGuia->isChecked())
            .Procesar();
    if (outcome == GuideProcessing::Outcome::Reload && Buscar(m_lookup->shown()))
        return;
    if (outcome != GuideProcessing::Outcome::NotConfirmed && outcome != GuideProcessing::Outcome::Failed)
        LimpiarFormulario();
}

} // namespace vontarelis
