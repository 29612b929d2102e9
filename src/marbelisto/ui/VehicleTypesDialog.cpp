#include "marbelisto/ui/VehicleTypesDialog.h"

#include "marbelisto/ui/VehicleTypesModel.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/KeyPreview.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QTableView>
#include <QVBoxLayout>

namespace marbelisto {

VehicleTypesDialog::VehicleTypesDialog(const QSqlDatabase &connection, QWidget *parent)
    : QDialog(parent), m_model(new VehicleTypesModel(connection, this)), m_view(new QTableView(this)),
      m_notice(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Tipos de vehículo"));
    setObjectName(QStringLiteral("VehicleTypesDialog"));
    m_model->select();

    m_view->setObjectName(QStringLiteral("tblTipos"));
    m_view->setModel(m_model);
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_view->setColumnHidden(column, column != m_model->nameColumn() && column != m_model->capacityColumn()
                                            && column != m_model->volumeColumn());
    m_view->horizontalHeader()->setSectionResizeMode(m_model->nameColumn(), QHeaderView::Stretch);
    m_view->verticalHeader()->hide();
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);

    m_notice->setObjectName(QStringLiteral("lblAviso"));
    m_notice->setWordWrap(true);
    m_notice->setText(QStringLiteral("Las capacidades en kilogramos y en metros cúbicos son opcionales; la guía compara "
                                     "la carga con las que tenga."));
    connect(m_model, &VehicleTypesModel::refused, m_notice, &QLabel::setText);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *add = buttons->addButton(QStringLiteral("&Agregar"), QDialogButtonBox::ActionRole);
    add->setObjectName(QStringLiteral("btnAgregar"));
    QPushButton *saveButton = buttons->addButton(QStringLiteral("&Guardar"), QDialogButtonBox::AcceptRole);
    saveButton->setObjectName(QStringLiteral("btnGuardar"));
    QPushButton *close = buttons->addButton(QStringLiteral("&Cerrar"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnCerrar"));
    // Guardar writes and stays open, so the box's accept is not wired.
    // Enter ends the edit of a cell; it must not press a button as well. On a focused button it
    // presses that one, as everywhere.
    for (QAbstractButton *button : buttons->buttons())
        static_cast<QPushButton *>(button)->setAutoDefault(false);
    new toolkit::KeyPreview(this, [](qint16 &keyAscii, QWidget *control) {
        if (qobject_cast<QAbstractButton *>(control))
            hostlibs::CommonUtilities().HandleKeyPress(keyAscii, control);
    });
    connect(add, &QPushButton::clicked, this, &VehicleTypesDialog::addType);
    connect(saveButton, &QPushButton::clicked, this, &VehicleTypesDialog::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_notice);
    layout->addWidget(buttons);
    resize(fontMetrics().horizontalAdvance(u'0') * 60, fontMetrics().height() * 20);
}

void VehicleTypesDialog::addType()
{
    const int row = m_model->rowCount();
    if (!m_model->insertRow(row))
        return;
    const QModelIndex name = m_model->index(row, m_model->nameColumn());
    m_view->setCurrentIndex(name);
    m_view->edit(name);
}

bool VehicleTypesDialog::save()
{
    // An editor still open holds a value the model has not seen yet.
    m_view->setCurrentIndex(QModelIndex());
    // A new row starts without a name, which the model cannot refuse before it is typed.
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->data(m_model->index(row, m_model->nameColumn())).toString().trimmed().isEmpty()) {
            hostlibs::CommonUtilities().ShowMessage(
                QStringLiteral("Escriba el nombre de cada tipo de vehículo antes de guardar."));
            return false;
        }
    }
    if (m_model->submitAll()) {
        m_notice->setText(QStringLiteral("Cambios guardados."));
        return true;
    }
    hostlibs::CommonUtilities().ShowMessage(
        QStringLiteral("No se pudieron guardar los tipos de vehículo; los cambios siguen en la ventana.\n\n%1")
            .arg(m_model->lastError().text()));
    return false;
}

} // namespace marbelisto
