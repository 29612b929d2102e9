#include "marbelisto/app/MainWindow.h"

#include "marbelisto/app/DatabaseSummary.h"
#include "vontarelis/host/IFramework.h"
#include "vontarelis/host/ITheme.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QVBoxLayout>

namespace marbelisto {

MainWindow::MainWindow(host::IFramework &framework, QWidget *parent)
    : QMainWindow(parent), m_framework(framework)
{
    setWindowTitle(QStringLiteral("Marbelisto"));
    setObjectName(QStringLiteral("MainWindow"));

    QMenu *archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("menuArchivo"));
    archivo->addAction(QStringLiteral("&Actualizar"), QKeySequence::Refresh, this, &MainWindow::refresh);
    archivo->addSeparator();
    archivo->addAction(QStringLiteral("&Salir"), QKeySequence::Quit, this, &QWidget::close);
    m_menuDespacho = menuBar()->addMenu(QStringLiteral("&Despacho"));
    m_menuDespacho->setObjectName(QStringLiteral("menuDespacho"));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_company = new QLabel(central);
    m_company->setObjectName(QStringLiteral("lblEmpresa"));
    QFont heading = m_company->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 3);
    m_company->setFont(heading);
    layout->addWidget(m_company);
    auto *figures = new QWidget(central);
    figures->setMaximumWidth(420);
    m_figures = new QFormLayout(figures);
    m_figures->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(figures);
    layout->addStretch();
    setCentralWidget(central);
    framework.TemaUI()->configurarFormulario(this);

    refresh();
}

void MainWindow::refresh()
{
    while (m_figures->rowCount() > 0)
        m_figures->removeRow(0);
    const DatabaseSummary summary(m_framework);
    m_company->setText(summary.companyName());
    for (const auto &[label, count] : summary.lines()) {
        auto *value = new QLabel(QLocale().toString(count));
        value->setObjectName(label);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_figures->addRow(label + u':', value);
    }
}

} // namespace marbelisto
