#include "marbelisto/app/MainWindow.h"

#include "marbelisto/app/DatabaseSummary.h"
#include "marbelisto/db/DatabaseWatcher.h"
#include "marbelisto/host/DataFolder.h"
#include "marbelisto/host/Framework.h"
#include "marbelisto/ui/GuideListPanel.h"
#include "marbelisto/ui/GuideTableView.h"
#include "marbelisto/ui/ReturnsPanel.h"
#include "marbelisto/ui/SessionStatusBar.h"
#include "marbelisto/ui/SummaryPanel.h"
#include "marbelisto/ui/VehicleTypesDialog.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/Error.h"
#include "vontarelis/host/IFramework.h"
#include "vontarelis/host/ITheme.h"
#include "vontarelis/host/IUser.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace marbelisto {

namespace {

QString userCode(host::IFramework &framework)
{
    const auto user = std::dynamic_pointer_cast<host::IUser>(framework.CrearObjeto(QStringLiteral("usuario")));
    return user ? user->codigo() : QString();
}

// The database this session works on; a framework of another host works on its data folder's.
QString databaseShown(host::IFramework &framework)
{
    if (const auto *own = dynamic_cast<const Framework *>(&framework))
        return own->database().description();
    return DataFolder(framework.DataPath()).databaseFile();
}

} // namespace

MainWindow::MainWindow(host::IFramework &framework, DispatchActions::ActivatorSource activator, const QDate &today,
                       QWidget *parent)
    : QMainWindow(parent), m_framework(framework)
{
    setWindowTitle(QStringLiteral("Marbelisto"));
    setObjectName(QStringLiteral("MainWindow"));

    // Watching starts before the first read, so a change in between is not missed. A modal
    // dialog of this desk holds the connection, and what it shows would move under the clerk.
    if (auto *own = dynamic_cast<Framework *>(&framework))
        m_watcher = new DatabaseWatcher(own->database(), [] { return QApplication::activeModalWidget() != nullptr; },
                                        this);
    auto *central = new QWidget(this);
    m_guides = new GuideListPanel(framework, today, central);
    m_dispatch = new DispatchActions(framework, std::move(activator), [this] { return m_guides->selectedNumero(); },
                                     this);
    auto *summaryBox = new QGroupBox(QStringLiteral("Resumen"), central);
    m_summary = new SummaryPanel(summaryBox);
    auto *summaryLayout = new QVBoxLayout(summaryBox);
    summaryLayout->addWidget(m_summary);
    summaryBox->setFixedWidth(fontMetrics().horizontalAdvance(u'0') * 36);
    auto *returnsBox = new QGroupBox(QStringLiteral("Devoluciones"), central);
    m_returns = new ReturnsPanel(framework, today, returnsBox);
    (new QVBoxLayout(returnsBox))->addWidget(m_returns);
    returnsBox->setFixedWidth(summaryBox->width());
    auto *side = new QVBoxLayout;
    side->addWidget(summaryBox);
    side->addWidget(returnsBox, 1);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(m_guides, 1);
    layout->addLayout(side);
    setCentralWidget(central);

    QMenu *archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("menuArchivo"));
    archivo->addAction(QStringLiteral("&Actualizar"), QKeySequence::Refresh, this, &MainWindow::refresh);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("&Salir"), QKeySequence::Quit, this, &QWidget::close);
    m_menuDespacho = menuBar()->addMenu(QStringLiteral("&Despacho"));
    m_menuDespacho->setObjectName(QStringLiteral("menuDespacho"));
    m_menuDespacho->addActions({m_dispatch->newGuide(), m_dispatch->review()});
    m_menuDespacho->addSeparator();
    m_menuDespacho->addActions({m_dispatch->print(), m_dispatch->routeSheet()});
    m_menuDespacho->addSeparator();
    m_menuDespacho->addAction(QStringLiteral("&Tipos de vehículo…"), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                              &MainWindow::editVehicleTypes)
        ->setObjectName(QStringLiteral("actTiposVehiculo"));
    QToolBar *tools = addToolBar(QStringLiteral("Despacho"));
    tools->setObjectName(QStringLiteral("tbDespacho"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({m_dispatch->newGuide(), m_dispatch->review(), m_dispatch->print(), m_dispatch->routeSheet()});
    // The guide list offers both prints of the guide chosen in it.
    m_guides->table().setContextMenuPolicy(Qt::ActionsContextMenu);
    m_guides->table().addActions({m_dispatch->print(), m_dispatch->routeSheet()});

    m_status = new SessionStatusBar(databaseShown(framework), userCode(framework), this);
    setStatusBar(m_status);
    framework.TemaUI()->configurarFormulario(this);

    connect(m_dispatch, &DispatchActions::finished, this, &MainWindow::refresh);
    if (m_watcher) {
        m_status->setReachable(m_watcher->reachable());
        connect(m_watcher, &DatabaseWatcher::reachableChanged, m_status, &SessionStatusBar::setReachable);
        connect(m_watcher, &DatabaseWatcher::changed, this, &MainWindow::followOtherDesks);
    }
    connect(m_guides, &GuideListPanel::guideChosen, m_dispatch, &DispatchActions::printGuide);
    refreshSummary();
    m_guides->table().setFocus();
}

void MainWindow::refresh()
{
    if (m_watcher)
        m_watcher->settle();
    refreshSummary();
    try {
        m_guides->follow();
    } catch (const toolkit::Error &error) {
        hostlibs::CommonUtilities().ReportError(0, error.number(), error.description(),
                                                QStringLiteral("MainWindow::refresh"));
    }
}

// Nobody asked for this read, so a failure opens no box: what is shown stays, the status bar
// tells an outage, and the next change reads again.
void MainWindow::followOtherDesks()
{
    try {
        m_guides->follow();
        showSummary();
    } catch (const toolkit::Error &) {
        m_status->showMessage(QStringLiteral("No se pudo leer lo que cambiaron los otros puestos"), 10000);
    }
}

bool MainWindow::event(QEvent *event)
{
    // The modal dialog that blocked this window is gone: what other desks did meanwhile is read
    // now, once the dialog has left the application's modal stack.
    if (event->type() == QEvent::WindowUnblocked && m_watcher)
        QMetaObject::invokeMethod(m_watcher, &DatabaseWatcher::resume, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void MainWindow::warn(const QString &text)
{
    m_status->warn(text);
}

void MainWindow::editVehicleTypes()
{
    // The types are edited on the host's own connection; another framework has none to give.
    const auto *own = dynamic_cast<const Framework *>(&m_framework);
    if (!own)
        return;
    VehicleTypesDialog dialog(own->database().connection(), this);
    m_framework.TemaUI()->configurarFormulario(&dialog);
    dialog.exec();
}

void MainWindow::showSummary()
{
    const DatabaseSummary summary(m_framework);
    m_summary->show(summary);
    m_status->setCompany(summary.companyName());
    m_returns->refresh();
}

void MainWindow::refreshSummary()
{
    try {
        showSummary();
    } catch (const toolkit::Error &error) {
        hostlibs::CommonUtilities().ReportError(0, error.number(), error.description(),
                                                QStringLiteral("MainWindow::refresh"));
    }
}

} // namespace marbelisto
