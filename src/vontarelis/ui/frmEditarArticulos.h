#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace toolkit {
class FlexGrid;
class NumericBox;
}

namespace vontarelis {

class GEDObject;

// A table of items (code, description, quantity, price) edited in place with the grid editor:
// Enter moves along the row and on to a new one, the arrows move between rows, Ctrl+Backspace
// deletes a row. Each editing control forwards its key-down and focus-loss notifications to
// the editor; the form answers the editor's questions through its invokable handlers. Every
// handler is entered through the dialog guard, so an error leaves the form open and usable.
class frmEditarArticulos : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ColCodigo = 0;
    static constexpr int ColDescripcion = 1;
    static constexpr int ColCantidad = 2;
    static constexpr int ColPrecio = 3;
    static constexpr int ColImporte = 4;

    explicit frmEditarArticulos(QWidget *parent = nullptr);
    ~frmEditarArticulos() override;

    toolkit::FlexGrid *grid() const { return m_grdArticulos; }
    GEDObject *editor() const { return m_ged; }

    Q_INVOKABLE bool ValidateCell(int row, int col);
    Q_INVOKABLE bool IsRowValid(int row);
    Q_INVOKABLE bool MayAddRow(int newRow);
    Q_INVOKABLE void FillNewRow(int newRow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool cellIsValid(int row, int col);
    bool rowIsValid(int row);
    void MostrarTotal();
    bool rowIsBlank(int row) const;

    QLineEdit *m_txtReferencia;
    toolkit::FlexGrid *m_grdArticulos;
    QLineEdit *m_txtCodigo;
    QLineEdit *m_txtDescripcion;
    toolkit::NumericBox *m_txtCantidad;
    toolkit::NumericBox *m_txtPrecio;
    QLabel *m_lblTotal;
    QPushButton *m_cbOk;
    QPushButton *m_cbCancelar;
    GEDObject *m_ged;
};

} // namespace vontarelis
