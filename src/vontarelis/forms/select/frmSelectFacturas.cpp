#include "vontarelis/forms/select/frmSelectFacturas.h"

#include "ui_frmSelectFacturas.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"
#include "toolkit/FocusValidator.h"
#include "toolkit/KeyPreview.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/Twips.h"
#include "toolkit/VariantConvert.h"
#include "vontarelis/data/lmFormPlacement.h"
#include "vontarelis/data/sqlFunctions.h"
#include "vontarelis/entry/globales.h"
#include "vontarelis/forms/select/DriverSalespersonEntry.h"
#include "vontarelis/forms/select/GuideRegistration.h"
#include "vontarelis/forms/select/InvoiceLinks.h"
#include "vontarelis/forms/select/InvoiceListing.h"
#include "vontarelis/forms/select/InvoiceSearch.h"
#include "vontarelis/forms/select/InvoiceSelection.h"
#include "vontarelis/forms/select/InvoiceVolumes.h"
#include "vontarelis/forms/select/LoadIndicator.h"
#include "vontarelis/forms/select/StopOrder.h"
#include "vontarelis/forms/select/VehicleEntry.h"
#include "vontarelis/host/ITheme.h"
#include "vontarelis/model/GuiaDespacho.h"
#include "vontarelis/model/Medidas.h"
#include "vontarelis/ui/HandlerGuard.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <functional>

namespace vontarelis {

namespace {

const QString FormName = QStringLiteral("frmSelectFacturas");
const QString Titulo = QStringLiteral("Marbelisto: Guías de despacho");
constexpr int PeriodoProximaGuia = 5000;
// The button of the grid's MouseDown that opens the bulk-change menu.
constexpr qint16 BotonDerecho = 2;
constexpr qint16 BarraEspaciadora = 32;
// The popup's items after the three bulk changes.
constexpr qint16 AdelantarParada = 3;
constexpr qint16 AtrasarParada = 4;

QString location(const QString &handler)
{
    return FormName + QStringLiteral("::") + handler;
}

QString numeroGuia(double numero)
{
    return toolkit::NumberFormat::format(numero, QStringLiteral("0000000"));
}

} // namespace

frmSelectFacturas::frmSelectFacturas(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmSelectFacturas>()), Timer1(new QTimer(this))
{
    ui->setupUi(this);
    m_validator = new toolkit::FocusValidator(this);
    m_seleccion = std::make_unique<InvoiceSelection>(*ui->detalles);
    m_paradas = std::make_unique<StopOrder>(*ui->detalles);
    m_personas = std::make_unique<DriverSalespersonEntry>(*ui->conductor, *ui->vendedor);
    m_vehiculo = std::make_unique<VehicleEntry>(VehicleEntry::Controls{
        ui->placasVehiculo, ui->cbTipoVehiculo, ui->serialNIV, ui->anho, ui->marca, ui->modelo, ui->colorVehiculo,
        ui->UCPopup1});
    m_carga = std::make_unique<LoadIndicator>(*ui->frameCarga, *ui->lblCarga, *ui->barCarga);
    m_volumenes = std::make_unique<InvoiceVolumes>();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(PeriodoProximaGuia);
    connect(Timer1, &QTimer::timeout, this,
            [this] { Guarded(location(QStringLiteral("Timer1_Timer")), [this] { MostrarProximaGuia(); }); });

    // Every key typed anywhere in the dialog goes to the common keyboard handling first.
    new toolkit::KeyPreview(this, [](qint16 &keyAscii, QWidget *activeControl) {
        Guarded(location(QStringLiteral("Form_KeyPress")),
                [&] { hostlibs::CommonUtilities().HandleKeyPress(keyAscii, activeControl); });
    });
    ui->placasVehiculo->installEventFilter(this);
    ui->detalles->installEventFilter(this);
    // A long hint is cut at the window's edge rather than widening the dialog.
    ui->StatusBar1->Panels(1)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    connect(ui->cbCargarFacturas, &QPushButton::clicked, this, [this] {
        Guarded(location(QStringLiteral("cbCargarFacturas_Click")), [this] { cbCargarFacturas_Click(); });
    });
    connect(ui->cbOk, &QPushButton::clicked, this, [this] { cbOk_Click(); });
    // The load is weighed against the type shown, whether the user chose it or a plate did.
    connect(ui->cbTipoVehiculo, &QComboBox::currentIndexChanged, this, [this] {
        Guarded(location(QStringLiteral("cbTipoVehiculo_Change")), [this] { MostrarCarga(); });
    });
    connect(ui->cbCancelar, &QPushButton::clicked, this,
            [this] { Guarded(location(QStringLiteral("cbCancelar_Click")), [this] { close(); }); });
    m_validator->setCausesValidation(ui->cbCancelar, false);

    wireFields();
    wireGrid();
    wireHints();
}

frmSelectFacturas::~frmSelectFacturas()
{
    ui->placasVehiculo->removeEventFilter(this);
    ui->detalles->removeEventFilter(this);
}

void frmSelectFacturas::wireFields()
{
    struct Field
    {
        QWidget *control;
        QString hint;
        std::function<void()> entered;
        std::function<bool()> validate;
    };
    DriverSalespersonEntry &personas = *m_personas;
    VehicleEntry &vehiculo = *m_vehiculo;
    const Field fields[] = {
        {ui->conductor, QStringLiteral("Introduzca el codigo del conductor (F2 para ver la lista)"),
         [&personas] { personas.conductorEntered(); }, [&personas] { return personas.conductorValidate(); }},
        {ui->vendedor,
         QStringLiteral("Introduzca el código del vendedor para filtrar las facturas (F2 para ver la lista). ")
             + QStringLiteral("Deje en blanco para filtrar sólo por zona"),
         [&personas] { personas.vendedorEntered(); }, [&personas] { return personas.vendedorValidate(); }},
        {ui->placasVehiculo, QStringLiteral("Introduzca las placas del vehiculo ('?' para ver la lista)"), {},
         [&vehiculo] { return vehiculo.placasValidate(); }},
        {ui->cbTipoVehiculo, QStringLiteral("Seleccione el tipo de vehículo"), {},
         [&vehiculo] { return vehiculo.tipoValidate(); }},
        {ui->serialNIV, QStringLiteral("Introduzca el serial identificador del vehículo (NIV)"), {},
         [&vehiculo] { return vehiculo.serialNIVValidate(); }},
        {ui->anho, QStringLiteral("Introduzca el año de fabricación del vehículo (formato de cuatro dígitos)"), {},
         [&vehiculo] { return vehiculo.anhoValidate(); }},
        {ui->marca, QStringLiteral("Introduzca la marca del vehículo"), {}, [&vehiculo] { return vehiculo.marcaValidate(); }},
        {ui->modelo, QStringLiteral("Introduzca el modelo del vehículo"), {},
         [&vehiculo] { return vehiculo.modeloValidate(); }},
        {ui->colorVehiculo, QStringLiteral("Introduzca el color del vehículo"), {},
         [&vehiculo] { return vehiculo.colorValidate(); }},
    };
    for (const Field &field : fields) {
        const QString name = field.control->objectName();
        m_validator->setEnterHandler(field.control, [this, name, field] {
            Guarded(location(name + QStringLiteral("_GotFocus")), [&] {
                if (field.entered)
                    field.entered();
                MostrarAyuda(field.hint);
            });
        });
        m_validator->setValidator(field.control, [name, validate = field.validate] {
            return Guarded(location(name + QStringLiteral("_Validate")), false, validate);
        });
    }
}

void frmSelectFacturas::wireGrid()
{
    toolkit::FlexGrid *detalles = ui->detalles;
    connect(detalles, &toolkit::FlexGrid::Click, this,
            [this] { Guarded(location(QStringLiteral("detalles_Click")), [this] { detalles_Click(); }); });
    connect(detalles, &toolkit::FlexGrid::KeyPress, this, [this](qint16 &keyAscii) {
        Guarded(location(QStringLiteral("detalles_KeyPress")), [&] { detalles_KeyPress(keyAscii); });
    });
    connect(detalles, &toolkit::FlexGrid::MouseDown, this, [this](qint16 button, qint16, double, double y) {
        Guarded(location(QStringLiteral("detalles_MouseDown")), [&] { detalles_MouseDown(button, y); });
    });
    connect(detalles, &toolkit::FlexGrid::ContextKey, this,
            [this] { Guarded(location(QStringLiteral("detalles_ContextKey")), [this] { detalles_ContextKey(); }); });
}

// Controls without an entry check still say what they expect when the focus reaches them.
void frmSelectFacturas::wireHints()
{
    const std::pair<QWidget *, QString> hints[] = {
        {ui->cbZonaDespacho, QStringLiteral("Elija la zona de despacho con las flechas")},
        {ui->chkFiltrarZona, QStringLiteral("Barra espaciadora: cargar sólo las facturas de la zona elegida")},
        {ui->cbCargarFacturas, QStringLiteral("Enter o barra espaciadora: cargar las facturas")},
        {ui->detalles,
         QStringLiteral("Espacio: marcar/desmarcar la selección · Mayús+flechas: elegir filas · Ctrl+A: todas · "
                        "Ctrl+arriba/abajo: adelantar o atrasar la parada · Menú o Mayús+F10: cambios masivos")},
        {ui->cbOk, QStringLiteral("Enter o Alt+P: registrar la guía con las facturas marcadas")},
        {ui->cbCancelar, QStringLiteral("Enter: cerrar la ventana sin registrar")},
    };
    for (const auto &[control, hint] : hints) {
        m_validator->setEnterHandler(control, [this, name = control->objectName(), hint] {
            Guarded(location(name + QStringLiteral("_GotFocus")), [&] { MostrarAyuda(hint); });
        });
    }
}

void frmSelectFacturas::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    Guarded(location(QStringLiteral("Form_Load")), [this] { Form_Load(); });
}

void frmSelectFacturas::done(int result)
{
    if (m_loaded) {
        m_loaded = false;
        Guarded(location(QStringLiteral("Form_Unload")), [this] { Form_Unload(); });
    }
    QDialog::done(result);
}

bool frmSelectFacturas::eventFilter(QObject *watched, QEvent *event)
{
    // "?" in the plate box never types itself: it opens the list of registered plates.
    if (watched == ui->placasVehiculo && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->text() == QStringLiteral("?")) {
        Guarded(location(QStringLiteral("placasVehiculo_KeyPress")), [this] { m_vehiculo->choosePlate(); });
        return true;
    }
    // Ctrl+Up and Ctrl+Down move the current row's stop instead of the current row.
    if (watched == ui->detalles && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool ctrl = key->modifiers() == Qt::ControlModifier;
        if (ctrl && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            const int paso = key->key() == Qt::Key_Up ? -1 : 1;
            Guarded(location(QStringLiteral("detalles_KeyDown")), [&] { m_paradas->move(ui->detalles->Row(), paso); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSelectFacturas::Form_Load()
{
    VolverAlDiseno();
    if (const auto tema = CurrentHost().TemaUI())
        tema->configurarFormulario(this);
    hostlibs::CommonUtilities().PrepareForm(this);
    RestoreFormPlacement(*this, QString(), false);
    m_seleccion->setColumnLayout();
    m_paradas->setColumnLayout();
    m_personas->configure(FormName);
    m_vehiculo->fillTypes();
    LlenarZonas();
    MostrarProximaGuia();
    Timer1->start();
}

void frmSelectFacturas::Form_Unload()
{
    Timer1->stop();
    SaveFormPlacement(*this, QString());
}

// A dialog opened again starts as a new one: nothing of the last session's entries is left.
void frmSelectFacturas::VolverAlDiseno()
{
    VaciarEntradas();
    m_seleccion->VolverAlDiseno();
    omitirTecla = false;
    m_vehiculo->restore({});
    ui->lblqFacturas->setCaption(QStringLiteral("0"));
    ui->lblPesoSel->setCaption(QStringLiteral("0,000"));
    ui->lblValorSel->setCaption(QStringLiteral("0,00"));
    guiaRegistrada.clear();
    MostrarAyuda(QString());
}

void frmSelectFacturas::LlenarZonas()
{
    toolkit::DropDownList &zonas = *ui->cbZonaDespacho;
    zonas.Clear();
    for (auto rs = SqlOpenRecordset(QStringLiteral("SELECT codigo, descripcion FROM Zonas ORDER BY Descripcion"), {});
         !rs->Eof(); rs->MoveNext()) {
        zonas.AddItem(hostlibs::CommonUtilities().FormatText(
            QStringLiteral("%1 (%2)"), {rs->Fields(QStringLiteral("descripcion")), rs->Fields(QStringLiteral("codigo"))}));
    }
}

void frmSelectFacturas::MostrarAyuda(const QString &text)
{
    // While the total labels show the guide just registered, every hint says so first.
    const QString shown = guiaRegistrada.isEmpty() || text.isEmpty() ? guiaRegistrada + text
                                                                    : guiaRegistrada + QStringLiteral(". ") + text;
    ui->StatusBar1->Panels(1)->setText(shown);
}

void frmSelectFacturas::cbCargarFacturas_Click()
{
    const QString zonaFiltro =
        ui->chkFiltrarZona->isChecked() ? hostlibs::CommonUtilities().ExtractCode(ui->cbZonaDespacho->Text()) : QString();
    // The whole result is read before the grid is touched: a failing read leaves it as it was.
    const QString mascara = CurrentEmpresa().MascaraMonetarios();
    InvoiceListing listing(mascara);
    const QString sinTasa = InvoiceSearch::read(zonaFiltro, m_personas->codigoVendedor(),
                                                [&listing](InvoiceRow &&row) { listing.add(std::move(row)); });
    if (!sinTasa.isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(
            QStringLiteral("No se cargaron las facturas: la factura %1 no tiene tasa de cambio y la tasa de la empresa "
                           "es 0, así que sus montos no se pueden convertir a la moneda base")
                .arg(sinTasa));
        return;
    }
    if (listing.isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("No hay facturas según el criterio especificado"));
        return;
    }
    listing.finish();
    m_seleccion->fill(listing);
    m_volumenes->clear();
    m_paradas->start(listing);
    guiaRegistrada.clear();
    ui->lblValorSel->setCaption(toolkit::NumberFormat::format(0.0, mascara));
    ui->lblPesoSel->setCaption(toolkit::NumberFormat::format(0.0, MascaraPeso));
    ui->lblqFacturas->setCaption(QStringLiteral("0"));
    MostrarCarga();
    // What follows a load is ticking: the grid takes the keys without a Tab to reach it.
    ui->detalles->setFocus(Qt::OtherFocusReason);
}

void frmSelectFacturas::MostrarTotales()
{
    const GuideFigures &totals = m_seleccion->totals();
    ui->lblValorSel->setCaption(
        toolkit::NumberFormat::format(totals.totalPrecioVenta + totals.totalIVA, CurrentEmpresa().MascaraMonetarios()));
    ui->lblPesoSel->setCaption(toolkit::NumberFormat::format(totals.totalPeso, MascaraPeso));
    ui->lblqFacturas->setCaption(toolkit::NumberFormat::format(double(totals.facturas), QStringLiteral("#,##0")));
    MostrarCarga();
}

void frmSelectFacturas::MostrarCarga()
{
    const toolkit::DropDownList &tipos = *ui->cbTipoVehiculo;
    m_carga->setTipoVehiculo(tipos.ListIndex() < 0 ? 0 : tipos.ItemData(tipos.ListIndex()));
    m_carga->show(carga());
}

LoadIndicator::Load frmSelectFacturas::carga() const
{
    // The volume is read only for a type that can compare it.
    const QList<qint32> marcadas = m_carga->weighsVolume() ? m_seleccion->facturasMarcadas() : QList<qint32>();
    return {m_seleccion->totals().totalPeso, m_volumenes->total(marcadas)};
}

void frmSelectFacturas::detalles_Click()
{
    const qint32 fila = ui->detalles->Row();
    if (!m_seleccion->CambiarSeleccion(fila))
        return;
    m_paradas->update(fila, fila);
    MostrarTotales();
}

void frmSelectFacturas::detalles_KeyPress(qint16 &keyAscii)
{
    if (omitirTecla) {
        omitirTecla = false;
        return;
    }
    const toolkit::FlexGrid &detalles = *ui->detalles;
    if (keyAscii != BarraEspaciadora || !m_seleccion->CambiarRango(detalles.Row(), detalles.RowSel()))
        return;
    m_paradas->update(detalles.Row(), detalles.RowSel());
    MostrarTotales();
}

void frmSelectFacturas::detalles_MouseDown(qint16 button, double y)
{
    if (button == BotonDerecho) {
        // The stop moved is the one of the row under the mouse, which a right press leaves
        // as it is.
        const toolkit::FlexGrid &detalles = *ui->detalles;
        const QPoint inGrid(0, toolkit::Twips::toPixelsY(int(y)));
        const int fila = detalles.rowAt(detalles.viewport()->mapFrom(&detalles, inGrid).y());
        CambioMasivo(QCursor::pos(), fila < 0 ? -1 : detalles.FixedRows() + fila);
    }
    omitirTecla = true;
}

// The menu opens under the current row's tick, where the clerk's eyes are.
void frmSelectFacturas::detalles_ContextKey()
{
    const toolkit::FlexGrid &detalles = *ui->detalles;
    const QPoint debajo(toolkit::Twips::toPixelsX(detalles.CellLeft()),
                        toolkit::Twips::toPixelsY(detalles.CellTop() + detalles.CellHeight()));
    CambioMasivo(detalles.mapToGlobal(debajo), detalles.Row());
}

void frmSelectFacturas::CambioMasivo(const QPoint &globalPos, qint32 fila)
{
    const qint16 accion = ui->UCPopup1->PopupPA(
        {QStringLiteral("&Seleccionar todas"), QStringLiteral("&Desmarcar todas"), QStringLiteral("&Invertir seleccion"),
         QStringLiteral("&Adelantar la parada"), QStringLiteral("A&trasar la parada")},
        globalPos);
    if (accion == AdelantarParada || accion == AtrasarParada) {
        m_paradas->move(fila, accion == AdelantarParada ? -1 : 1);
        return;
    }
    if (accion < 0)
        return;
    m_seleccion->CambioMasivo(accion);
    m_paradas->updateAll();
    MostrarTotales();
}

// What "Procesar" checks before anything is written: the guide's invoice count, its vehicle
// (none only when the user says so; a new or changed one through every field's check) and, for
// an overloaded vehicle, the user's word. False when the registration stops here.
bool frmSelectFacturas::ListaParaRegistrar()
{
    const qint32 marcadas = m_seleccion->totals().facturas;
    if (marcadas > GuideRegistration::MaximoFacturas) {
        const auto numero = [](qint32 n) { return toolkit::NumberFormat::format(double(n), QStringLiteral("#,##0")); };
        hostlibs::CommonUtilities().ShowMessage(
            QStringLiteral("Una guía puede llevar como máximo %1 facturas y hay %2 marcadas. Desmarque %3 para "
                           "registrarla y lleve las demás en otra guía")
                .arg(numero(GuideRegistration::MaximoFacturas), numero(marcadas),
                     numero(marcadas - GuideRegistration::MaximoFacturas)));
        return false;
    }
    if (m_vehiculo->sinVehiculo()) {
        if (!hostlibs::CommonUtilities().AskYesNo(QStringLiteral("La guía no tiene vehículo. ¿Desea registrarla así?"),
                                                  false, Titulo))
            return false;
    } else if (!m_vehiculo->takeWhatIsShown()) {
        return false;
    }
    // An overloaded vehicle is registered only when the user says so; no leaves all as it was.
    const LoadIndicator::Load load = carga();
    return !m_carga->overCapacity(load) || hostlibs::CommonUtilities().AskYesNo(m_carga->overloadQuestion(load), false, Titulo);
}

// "Procesar" traps its own errors: whatever fails, the transaction is aborted, the error is
// reported and the dialog keeps the entries, ticks and totals the user may correct and retry.
// An invoice that another workstation put on its guide meanwhile is no error to report: the
// user is told where it went, and its row leaves the grid so that the rest can be registered.
void frmSelectFacturas::cbOk_Click()
{
    const QString handler = location(QStringLiteral("cbOk_Click"));
    Guarded(handler, [&] {
        if (!ListaParaRegistrar())
            return;
        const VehicleEntry::State antes = m_vehiculo->state();
        const QList<qint32> marcadas = m_seleccion->facturasMarcadas();
        bool confirmada = false;
        const auto trap = [&](const std::exception *error) {
            // An undone save leaves the vehicle to be saved again by the next attempt.
            if (!confirmada)
                m_vehiculo->restore(antes);
            SqlAbortTransaction();
            // Which invoices other desks took is asked only of a server that answers.
            const auto *known = dynamic_cast<const toolkit::Error *>(error);
            const bool sinConexion = known && known->number() == toolkit::ErrNoConnection;
            if (!confirmada && !sinConexion && QuitarFacturasTomadas(marcadas))
                return;
            ReportUntrappedError(handler, error);
        };
        try {
            if (zona.isEmpty())
                zona = hostlibs::CommonUtilities().ExtractCode(ui->cbZonaDespacho->Text());
            const GuideRegistration::Request request{m_personas->codigoConductor(), m_personas->codigoVendedor(), zona,
                                                     m_seleccion->totals(), marcadas, m_paradas->stops()};
            const std::unique_ptr<GuiaDespacho> guia = GuideRegistration::store(request, *m_vehiculo);
            confirmada = true;
            // The total labels keep this guide's figures; the status bar says whose they are.
            guiaRegistrada = QStringLiteral("Guía %1 registrada").arg(numeroGuia(guia->id()));
            guia->ViewPrint(false);
            // The driver's sheet of stops to sign, like the detailed listing, only when asked.
            if (!marcadas.isEmpty()
                && hostlibs::CommonUtilities().AskYesNo(QStringLiteral("Quiere emitir la hoja de ruta"), false, QString()))
                guia->ViewPrintHojaDeRuta(false);
            LimpiarFormulario();
            MostrarAyuda(QString());
        } catch (const std::exception &error) {
            trap(&error);
        } catch (...) {
            trap(nullptr);
        }
    });
}

// False when none of the invoices is on a guide: the failure was something else.
bool frmSelectFacturas::QuitarFacturasTomadas(const QList<qint32> &marcadas)
{
    const QMap<qint32, qint32> guias = InvoiceLinks::guiasDe(marcadas);
    if (guias.isEmpty())
        return false;
    const QList<std::pair<qint32, QString>> quitadas = m_seleccion->quitarFacturas(guias.keys());
    m_paradas->updateAll();
    MostrarTotales();
    // A long list would hide the message's point: the first few name their guide.
    constexpr qsizetype Nombradas = 10;
    QStringList lineas;
    for (const auto &[numero, referencia] : quitadas.mid(0, Nombradas))
        lineas << QStringLiteral("%1 en la guía %2").arg(referencia, numeroGuia(guias.value(numero)));
    if (quitadas.size() > Nombradas)
        lineas << QStringLiteral("y %1 más").arg(quitadas.size() - Nombradas);
    hostlibs::CommonUtilities().ShowMessage(
        QStringLiteral("Estas facturas ya están en otra guía y se quitaron de la lista:\r\n%1\r\n"
                       "Pulse «Procesar» para registrar la guía con las demás")
            .arg(lineas.join(QStringLiteral("\r\n"))));
    return true;
}

void frmSelectFacturas::LimpiarFormulario()
{
    VaciarEntradas();
    ui->conductor->setFocus(Qt::OtherFocusReason);
    MostrarProximaGuia();
}

// The totals and the zone of the guide, every entry and the grid's rows; the vehicle record
// and the total labels stay as they are.
void frmSelectFacturas::VaciarEntradas()
{
    m_seleccion->resetTotals();
    zona.clear();
    m_personas->clearConductor();
    m_vehiculo->clear();
    ui->chkFiltrarZona->setChecked(false);
    ui->cbZonaDespacho->setListIndex(-1);
    m_personas->clearVendedor();
    hostlibs::GridUtilities().ClearGrid(*ui->detalles);
    MostrarCarga();
}

// The refresh runs by itself every few seconds: a server out of reach is said in the label,
// never in a box, and the next tick tries again.
void frmSelectFacturas::MostrarProximaGuia()
{
    try {
        const qint32 actual =
            toolkit::toLong(SqlReadScalar(QStringLiteral("SELECT IDENT_CURRENT('gdVontarelis')"), {}));
        ui->numeroProximaGuia->setCaption(numeroGuia(double(actual) + 1));
    } catch (const toolkit::Error &error) {
        if (error.number() != toolkit::ErrNoConnection)
            throw;
        ui->numeroProximaGuia->setCaption(QStringLiteral("Sin conexión"));
    }
}

} // namespace vontarelis
