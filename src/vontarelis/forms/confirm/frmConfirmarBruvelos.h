#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace Ui {
class frmConfirmarBruvelos;
}

namespace toolkit {
class FocusValidator;
}

namespace vontarelis {

class GuiaDespacho;
class GuideLookup;
class InvoiceRows;
class ReturnReasons;
class ReviewStops;
class SelectionTotals;
class TickSelection;

// "Revisar / Cerrar Guías de Despacho": the user enters the number of an open guide, sees its
// invoices ticked as delivered, unticks those that stayed behind, adds forgotten ones by their
// reference, and processes the guide, which rewrites its invoices and, on request, closes it.
// The layout lives in frmConfirmarBruvelos.ui; the lookup, the adding, the ticking and the
// processing each live in a class of their own, and this class wires the controls to them.
class frmConfirmarBruvelos : public QDialog
{
    Q_OBJECT
public:
    explicit frmConfirmarBruvelos(QWidget *parent = nullptr);
    ~frmConfirmarBruvelos() override;

    // Every way out (Cancelar, the window's close command) ends here: the dialog unloads.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void LimpiarFormulario();
    bool numGuia_Validate();
    // Shows the guide, its invoices and their stops.
    bool Buscar(double numero);
    void numGuia_GotFocus();
    // Every other control says what it expects when the focus reaches it.
    void wireHints(toolkit::FocusValidator &validator);
    void MostrarAyuda(const QString &text);
    void detalles_Click();
    void detalles_KeyPress(qint16 &keyAscii);
    void detalles_Resize();
    void cbAgregarFactura_Click();
    void cbSelectAll_Click();
    void cbDeselectAll_Click();
    void cbCancelar_Click();
    void cbOk_Click();
    // Connects a button's click to a handler entered through the dialog's guard.
    void onClick(QPushButton *button, const char *handlerName, void (frmConfirmarBruvelos::*handler)());

    std::unique_ptr<Ui::frmConfirmarBruvelos> ui;
    std::unique_ptr<GuiaDespacho> guia;
    std::unique_ptr<InvoiceRows> m_rows;
    std::unique_ptr<ReviewStops> m_paradas;
    std::unique_ptr<SelectionTotals> m_totals;
    std::unique_ptr<ReturnReasons> m_returns;
    std::unique_ptr<TickSelection> m_selection;
    std::unique_ptr<GuideLookup> m_lookup;
    bool m_loaded = false;
};

} // namespace vontarelis
