#include "toolkit/KeyPreview.h"

#include "toolkit/Error.h"
#include "toolkit/KeyAscii.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWidget>

namespace toolkit {

KeyPreview::KeyPreview(QWidget *dialog, Handler handler) : QObject(dialog), m_dialog(dialog), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_inHandler)
        return false;
    auto *receiver = qobject_cast<QWidget *>(watched);
    if (!receiver || receiver->window() != m_dialog)
        return false;
    // Only the first delivery, not the same key travelling up from the focused control.
    const QWidget *focused = QApplication::focusWidget();
    if (focused && focused != receiver && receiver->isAncestorOf(focused))
        return false;
    qint16 keyAscii = KeyAscii::fromEvent(*static_cast<QKeyEvent *>(event));
    if (keyAscii == 0)
        return false;
    const QScopedValueRollback guard(m_inHandler, true);
    try {
        m_handler(keyAscii, receiver);
    } catch (const std::exception &error) {
        reportError(error);
        return false;
    } catch (...) {
        reportError(Error(ErrInvalidCall, QStringLiteral("Error desconocido"), QStringLiteral("KeyPreview")));
        return false;
    }
    return keyAscii == 0;
}

void KeyPreview::reportError(const std::exception &error) const
{
    if (m_errorHandler)
        m_errorHandler(error);
    else
        qWarning("A key handler of %s failed: %s", qPrintable(m_dialog->objectName()), error.what());
}

} // namespace toolkit
