#include "toolkit/FocusValidator.h"

#include "toolkit/Error.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace toolkit {

namespace {

bool contains(const QWidget *outer, const QWidget *inner)
{
    return outer && inner && (outer == inner || outer->isAncestorOf(inner));
}

// Whether a press would give this widget the focus, as QApplication decides it.
bool takesFocus(const QWidget *widget, Qt::FocusPolicy policy)
{
    const QWidget *target = widget;
    while (target->focusProxy())
        target = target->focusProxy();
    return (widget->focusPolicy() & policy) == policy && (target->focusPolicy() & policy) == policy;
}

} // namespace

FocusValidator::FocusValidator(QWidget *dialog) : QObject(dialog), m_dialog(dialog)
{
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &FocusValidator::focusChanged);
}

void FocusValidator::setValidator(QWidget *field, Validation validate)
{
    std::erase_if(m_fields, [field](const Field &f) { return !f.widget || f.widget == field; });
    m_fields.push_back({field, std::move(validate)});
}

void FocusValidator::setCausesValidation(QWidget *control, bool causes)
{
    std::erase_if(m_nonValidating, [control](const QPointer<QWidget> &w) { return !w || w == control; });
    if (!causes)
        m_nonValidating.emplace_back(control);
}

bool FocusValidator::causesValidation(const QWidget *control) const
{
    return std::none_of(m_nonValidating.begin(), m_nonValidating.end(),
                        [control](const QPointer<QWidget> &w) { return contains(w, control); });
}

void FocusValidator::setEnterHandler(QWidget *control, std::function<void()> handler)
{
    std::erase_if(m_enterHandlers, [control](const EnterHandler &h) { return !h.widget || h.widget == control; });
    m_enterHandlers.push_back({control, std::move(handler)});
}

void FocusValidator::setErrorHandler(std::function<void(const std::exception &)> handler)
{
    m_errorHandler = std::move(handler);
}

bool FocusValidator::inDialog(const QWidget *widget) const
{
    return widget && widget->window() == m_dialog;
}

const FocusValidator::Field *FocusValidator::fieldContaining(const QWidget *widget) const
{
    const auto found = std::find_if(m_fields.begin(), m_fields.end(),
                                    [widget](const Field &f) { return contains(f.widget, widget); });
    return found == m_fields.end() ? nullptr : &*found;
}

bool FocusValidator::validatePending()
{
    const Field *field = fieldContaining(m_pending);
    if (!field || m_validating)
        return true;
    if (!field->widget->isVisible() || !field->widget->isEnabled()) {
        m_pending = nullptr;
        return true;
    }
    if (!runValidation(*field)) {
        if (!contains(field->widget, QApplication::focusWidget()))
            field->widget->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_pending = nullptr;
    return true;
}

bool FocusValidator::runValidation(const Field &field)
{
    const QScopedValueRollback validating(m_validating, true);
    bool passed = false;
    callSafely(field.widget, [&] { passed = field.validate(); });
    return passed;
}

void FocusValidator::callSafely(const QWidget *control, const std::function<void()> &call) const
{
    try {
        call();
    } catch (const std::exception &error) {
        reportError(control, error);
    } catch (...) {
        reportError(control, Error(ErrInvalidCall, QStringLiteral("Error desconocido"), QStringLiteral("FocusValidator")));
    }
}

void FocusValidator::reportError(const QWidget *control, const std::exception &error) const
{
    const QByteArray name = control ? control->objectName().toUtf8() : QByteArray();
    if (!m_errorHandler) {
        qWarning("A handler of %s failed: %s", name.constData(), error.what());
        return;
    }
    try {
        m_errorHandler(error);
    } catch (...) {
        qWarning("The error handler failed on an error of %s: %s", name.constData(), error.what());
    }
}

bool FocusValidator::allowMoveTo(QWidget *target)
{
    if (!target || !m_pending || contains(m_pending, target) || !causesValidation(target))
        return true;
    return validatePending();
}

bool FocusValidator::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
        return watched == m_dialog->windowHandle() && filterWindowEvent(event);
    case QEvent::Hide:
        if (watched == m_dialog)
            resetTracking();
        return false;
    case QEvent::KeyPress: {
        auto *receiver = qobject_cast<QWidget *>(watched);
        return inDialog(receiver) && filterKey(receiver, *static_cast<QKeyEvent *>(event));
    }
    case QEvent::Shortcut: {
        // A mnemonic goes to its widget, or to the QShortcut or QAction that a widget owns.
        auto *receiver = qobject_cast<QWidget *>(watched);
        if (!receiver)
            receiver = qobject_cast<QWidget *>(watched->parent());
        return inDialog(receiver) && !allowMoveTo(receiver);
    }
    default:
        return false;
    }
}

bool FocusValidator::filterKey(QWidget *receiver, const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Tab:
        return !allowMoveTo(tabTarget(receiver, !(event.modifiers() & Qt::ShiftModifier)));
    case Qt::Key_Backtab:
        return !allowMoveTo(tabTarget(receiver, false));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter that a field left unhandled reaches the dialog, which clicks its default button.
        return receiver == m_dialog && !allowMoveTo(defaultButton());
    default:
        return false;
    }
}

bool FocusValidator::filterWindowEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (m_swallowRelease)
            return true;
        [[fallthrough]];
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        m_swallowRelease = false;
        QWidget *hit = m_dialog->childAt(press->position().toPoint());
        if (allowMoveTo(pressTarget(hit ? hit : m_dialog, false)))
            return false;
        // A refusal shows a modal message first: a release made meanwhile went to the blocked
        // dialog and never comes here, so only a button still held has a release to swallow.
        m_swallowRelease = QGuiApplication::mouseButtons().testFlag(press->button());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_swallowRelease)
            return false;
        m_swallowRelease = false;
        return true;
    case QEvent::Wheel: {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        QWidget *hit = m_dialog->childAt(wheel->position().toPoint());
        return !allowMoveTo(pressTarget(hit ? hit : m_dialog, true));
    }
    default:
        return false;
    }
}

QWidget *FocusValidator::pressTarget(QWidget *hit, bool wheel) const
{
    const Qt::FocusPolicy policy = wheel ? Qt::WheelFocus : Qt::ClickFocus;
    for (QWidget *widget = hit; widget; widget = widget->parentWidget()) {
        if (widget->isEnabled() && takesFocus(widget, policy))
            return widget;
        // A button that takes no focus is still clicked.
        if (!wheel && widget->isEnabled() && qobject_cast<QAbstractButton *>(widget))
            return widget;
        if (widget->isWindow())
            break;
    }
    return nullptr;
}

QWidget *FocusValidator::tabTarget(QWidget *from, bool forward) const
{
    QWidget *candidate = from;
    for (;;) {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (!candidate || candidate == from)
            return nullptr;
        if (inDialog(candidate) && !candidate->focusProxy() && (candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus
            && candidate->isVisibleTo(m_dialog) && candidate->isEnabled())
            return candidate;
    }
}

QWidget *FocusValidator::defaultButton() const
{
    const auto buttons = m_dialog->findChildren<QPushButton *>();
    const auto found = std::find_if(buttons.begin(), buttons.end(),
                                    [](const QPushButton *b) { return b->isDefault() && b->isVisible() && b->isEnabled(); });
    return found == buttons.end() ? nullptr : *found;
}

void FocusValidator::focusChanged(QWidget *, QWidget *now)
{
    if (!inDialog(now))
        return;
    const QPointer<QWidget> previous = m_lastFocus;
    m_lastFocus = now;

    if (const Field *field = fieldContaining(now))
        m_pending = field->widget;
    else if (causesValidation(now))
        m_pending = nullptr;

    // Coming back from a message box is no entry.
    if (previous == now)
        return;
    QList<QPointer<QWidget>> enteredControls;
    for (const Field &field : m_fields) {
        if (contains(field.widget, now) && !contains(field.widget, previous))
            enteredControls << field.widget;
    }
    std::vector<EnterHandler> handlers;
    for (const EnterHandler &entry : m_enterHandlers) {
        if (contains(entry.widget, now) && !contains(entry.widget, previous)) {
            handlers.push_back(entry);
            if (!enteredControls.contains(entry.widget))
                enteredControls << entry.widget;
        }
    }
    for (const EnterHandler &entry : handlers)
        callSafely(entry.widget, entry.handler);
    for (const QPointer<QWidget> &control : enteredControls) {
        if (control)
            emit entered(control);
    }
}

void FocusValidator::resetTracking()
{
    m_pending = nullptr;
    m_lastFocus = nullptr;
    m_swallowRelease = false;
}

} // namespace toolkit
