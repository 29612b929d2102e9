#pragma once

#include <QObject>
#include <QPointer>

#include <exception>
#include <functional>
#include <vector>

class QKeyEvent;
class QMouseEvent;

namespace toolkit {

// Entry fields of one dialog that validate when the user leaves them. While a field's check
// fails the focus stays in it and no other control of the dialog receives the focus, the
// click, the key or the mnemonic that was meant to move away: Tab and Backtab (also the Tab
// that CommonUtilities sends for Enter), a mouse press, the wheel, a shortcut, and Enter on a
// default button. A control that does not cause validation (the "Cancelar" buttons) is let
// through and the check stays due until the focus reaches one that does; closing the window
// never validates.
//
// Qt moves the focus to a pressed widget before any filter sees the press on that widget, so
// presses are caught where they arrive first: on the dialog's QWindow, through an application
// event filter that runs before the window hands them on. Keys and shortcuts are caught as
// they reach the dialog's widgets. Focus moves made by code are not checked.
class FocusValidator : public QObject
{
    Q_OBJECT
public:
    // Returns false to keep the focus in the field.
    using Validation = std::function<bool()>;

    explicit FocusValidator(QWidget *dialog);

    // The field may be a composite control: the focus anywhere inside it counts as in it.
    void setValidator(QWidget *field, Validation validate);
    void setCausesValidation(QWidget *control, bool causes);
    // True unless the control or one of its parents was marked as not causing validation.
    bool causesValidation(const QWidget *control) const;
    // Runs when the focus comes into the control from another control of the dialog, or
    // when the dialog is shown with the focus in it (not when it comes back from a message box).
    void setEnterHandler(QWidget *control, std::function<void()> handler);
    // Validations and enter handlers run from Qt's event handling, where no error may escape:
    // one that throws is caught here (a validation then counts as failed) and handed to this
    // handler, which the application points at its error report. Without one it is only logged.
    void setErrorHandler(std::function<void(const std::exception &)> handler);

    // The field whose check is due, if any.
    QWidget *pendingField() const { return m_pending; }
    // Runs the due check now, as leaving the field would; true when none is due or it passed.
    bool validatePending();

signals:
    // The focus came into a control that has a validator or an enter handler. A slot connected
    // here runs from Qt's event handling and must trap its own errors.
    void entered(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Field
    {
        QPointer<QWidget> widget;
        Validation validate;
    };
    struct EnterHandler
    {
        QPointer<QWidget> widget;
        std::function<void()> handler;
    };

    bool filterWindowEvent(QEvent *event);
    bool filterKey(QWidget *receiver, const QKeyEvent &event);
    bool allowMoveTo(QWidget *target);
    bool runValidation(const Field &field);
    void callSafely(const QWidget *control, const std::function<void()> &call) const;
    void reportError(const QWidget *control, const std::exception &error) const;
    void focusChanged(QWidget *old, QWidget *now);
    void resetTracking();
    QWidget *pressTarget(QWidget *hit, bool wheel) const;
    QWidget *tabTarget(QWidget *from, bool forward) const;
    QWidget *defaultButton() const;
    const Field *fieldContaining(const QWidget *widget) const;
    bool inDialog(const QWidget *widget) const;

    QWidget *m_dialog;
    std::vector<Field> m_fields;
    std::vector<QPointer<QWidget>> m_nonValidating;
    std::vector<EnterHandler> m_enterHandlers;
    std::function<void(const std::exception &)> m_errorHandler;
    QPointer<QWidget> m_pending;
    QPointer<QWidget> m_lastFocus;
    bool m_validating = false;
    bool m_swallowRelease = false;
};

} // namespace toolkit
