#include "vontarelis/ui/frmEditarArticulos.h"

#include "hostlibs/HostLibraries.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/KeyCode.h"
#include "toolkit/NumberFormat.h"
#include "toolkit/NumericBox.h"
#include "toolkit/PlainNumber.h"
#include "vontarelis/ui/GEDObject.h"
#include "vontarelis/ui/HandlerGuard.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace vontarelis {

namespace {

const QString AmountMask = QStringLiteral("#,##0.00");

// A number as the user typed it (regional format) or as plain number text.
double cellNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok ? value : toolkit::PlainNumber::read(text);
}

// The keys the grid editor moves with; the others stay with the editing control.
bool isEditorKey(qint16 keyCode)
{
    return keyCode == 13 || keyCode == 8 || (keyCode >= 37 && keyCode <= 40);
}

} // namespace

frmEditarArticulos::frmEditarArticulos(QWidget *parent)
    : QDialog(parent), m_txtReferencia(new QLineEdit(this)), m_grdArticulos(new toolkit::FlexGrid(this)),
      m_txtCodigo(new QLineEdit(this)), m_txtDescripcion(new QLineEdit(this)),
      m_txtCantidad(new toolkit::NumericBox(this)), m_txtPrecio(new toolkit::NumericBox(this)),
      m_lblTotal(new QLabel(this)), m_cbOk(new QPushButton(QStringLiteral("Aceptar"), this)),
      m_cbCancelar(new QPushButton(QStringLiteral("Cancelar"), this)), m_ged(new GEDObject(this))
{
    setObjectName(QStringLiteral("frmEditarArticulos"));
    setWindowTitle(QStringLiteral("Edición de artículos"));
    m_txtReferencia->setObjectName(QStringLiteral("txtReferencia"));
    m_grdArticulos->setObjectName(QStringLiteral("grdArticulos"));
    m_txtCodigo->setObjectName(QStringLiteral("txtCodigo"));
    m_txtCodigo->setMaxLength(20);
    m_txtDescripcion->setObjectName(QStringLiteral("txtDescripcion"));
    m_txtCantidad->setObjectName(QStringLiteral("txtCantidad"));
    m_txtPrecio->setObjectName(QStringLiteral("txtPrecio"));
    m_lblTotal->setObjectName(QStringLiteral("lblTotal"));
    m_cbOk->setObjectName(QStringLiteral("cbOk"));
    m_cbCancelar->setObjectName(QStringLiteral("cbCancelar"));
    // Enter belongs to the grid editor, never to a default button.
    m_cbOk->setAutoDefault(false);
    m_cbCancelar->setAutoDefault(false);

    m_grdArticulos->setFixedCols(0);
    m_grdArticulos->setFormatString(QStringLiteral("<Código        |<Descripción                                  "
                                                   "|>Cantidad    |>Precio          |>Importe          "));
    m_grdArticulos->setRows(2);

    auto *reference = new QHBoxLayout;
    reference->addWidget(new QLabel(QStringLiteral("Referencia:"), this));
    reference->addWidget(m_txtReferencia);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_lblTotal);
    buttons->addStretch();
    buttons->addWidget(m_cbOk);
    buttons->addWidget(m_cbCancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(reference);
    layout->addWidget(m_grdArticulos);
    layout->addLayout(buttons);
    resize(720, 360);

    // The editors cover one cell, from its top grid line to its bottom one.
    const int editorHeight = m_grdArticulos->verticalHeader()->defaultSectionSize() + 2;
    for (QWidget *control : std::initializer_list<QWidget *>{m_txtCodigo, m_txtDescripcion, m_txtCantidad, m_txtPrecio}) {
        control->setFixedHeight(editorHeight);
        control->hide();
        control->installEventFilter(this);
    }
    connect(m_cbOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cbCancelar, &QPushButton::clicked, this, &QDialog::reject);

    m_ged->init(this, m_grdArticulos, QStringLiteral("GEDArticulos"));
    m_ged->AddControl(ColCodigo, m_txtCodigo);
    m_ged->AddControl(ColDescripcion, m_txtDescripcion);
    m_ged->AddControl(ColCantidad, m_txtCantidad);
    m_ged->AddControl(ColPrecio, m_txtPrecio);
    connect(m_ged, &GEDObject::RowDeleted, this,
            [this] { Guarded(QStringLiteral("frmEditarArticulos::GED_RowDeleted"), [this] { MostrarTotal(); }); });
    MostrarTotal();
}

frmEditarArticulos::~frmEditarArticulos()
{
    // The editing controls stop reporting before the editor that listens to them goes.
    for (QWidget *control : std::initializer_list<QWidget *>{m_txtCodigo, m_txtDescripcion, m_txtCantidad, m_txtPrecio})
        control->removeEventFilter(this);
}

bool frmEditarArticulos::eventFilter(QObject *watched, QEvent *event)
{
    const QString control = QStringLiteral("frmEditarArticulos::") + watched->objectName();
    if (event->type() == QEvent::FocusOut) {
        Guarded(control + QStringLiteral("_LostFocus"), [this] { m_ged->ControlLost(); });
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        qint16 keyCode = toolkit::KeyCode::fromEvent(*key);
        if (!isEditorKey(keyCode))
            return false;
        const bool enter = keyCode == 13;
        // A failed move leaves the key with the control; Enter never reaches a button.
        Guarded(control + QStringLiteral("_KeyDown"), [&] { m_ged->KeyDown(keyCode, toolkit::KeyCode::shiftOf(*key)); });
        return keyCode == 0 || enter;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmEditarArticulos::rowIsBlank(int row) const
{
    // A new row comes with a quantity of 1; it is blank until it names an item.
    return m_grdArticulos->TextMatrix(row, ColCodigo).trimmed().isEmpty()
           && m_grdArticulos->TextMatrix(row, ColDescripcion).trimmed().isEmpty();
}

bool frmEditarArticulos::ValidateCell(int row, int col)
{
    // The editor's callbacks: a failed one is reported and, as the editor treats it, consents.
    return Guarded(QStringLiteral("frmEditarArticulos::ValidateCell"), true, [&] { return cellIsValid(row, col); });
}

bool frmEditarArticulos::cellIsValid(int row, int col)
{
    const QString text = m_grdArticulos->TextMatrix(row, col).trimmed();
    if (col == ColCodigo) {
        m_grdArticulos->setTextMatrix(row, col, text.toUpper());
        return true;
    }
    if (col != ColCantidad && col != ColPrecio)
        return true;
    const double value = cellNumber(text);
    if (col == ColCantidad && !text.isEmpty() && value <= 0) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("La cantidad debe ser mayor que cero"));
        return false;
    }
    if (col == ColPrecio && value < 0) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("El precio no puede ser negativo"));
        return false;
    }
    const double quantity = cellNumber(m_grdArticulos->TextMatrix(row, ColCantidad));
    const double price = cellNumber(m_grdArticulos->TextMatrix(row, ColPrecio));
    m_grdArticulos->setTextMatrix(row, ColImporte, toolkit::NumberFormat::format(quantity * price, AmountMask));
    MostrarTotal();
    return true;
}

bool frmEditarArticulos::IsRowValid(int row)
{
    return Guarded(QStringLiteral("frmEditarArticulos::IsRowValid"), true, [&] { return rowIsValid(row); });
}

bool frmEditarArticulos::rowIsValid(int row)
{
    if (row < m_grdArticulos->FixedRows() || rowIsBlank(row))
        return true;
    if (m_grdArticulos->TextMatrix(row, ColCodigo).trimmed().isEmpty()) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Indique el código del artículo"));
        return false;
    }
    if (cellNumber(m_grdArticulos->TextMatrix(row, ColCantidad)) <= 0) {
        hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Indique la cantidad del artículo"));
        return false;
    }
    return true;
}

bool frmEditarArticulos::MayAddRow(int newRow)
{
    // A new row only after one that holds something.
    return Guarded(QStringLiteral("frmEditarArticulos::MayAddRow"), true, [&] { return !rowIsBlank(newRow - 1); });
}

void frmEditarArticulos::FillNewRow(int newRow)
{
    Guarded(QStringLiteral("frmEditarArticulos::FillNewRow"),
            [&] { m_grdArticulos->setTextMatrix(newRow, ColCantidad, QStringLiteral("1")); });
}

void frmEditarArticulos::MostrarTotal()
{
    double total = 0;
    for (int row = m_grdArticulos->FixedRows(); row < m_grdArticulos->Rows(); ++row) {
        total += cellNumber(m_grdArticulos->TextMatrix(row, ColCantidad))
                 * cellNumber(m_grdArticulos->TextMatrix(row, ColPrecio));
    }
    m_lblTotal->setText(QStringLiteral("Total: %1").arg(toolkit::NumberFormat::format(total, AmountMask)));
}

} // namespace vontarelis
