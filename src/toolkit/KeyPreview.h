#pragma once

#include <QObject>

#include <exception>
#include <functional>

namespace toolkit {

// Lets a dialog see every key press of its controls before the controls do, with the
// character code of a KeyPress handler (see KeyAscii) and the control that has the focus.
// A handler that sets the code to 0 swallows the key. Keys that type nothing are not shown.
class KeyPreview : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(qint16 &keyAscii, QWidget *activeControl)>;

    KeyPreview(QWidget *dialog, Handler handler);

    // The handler runs from Qt's event handling, where no error may escape: one it throws is
    // handed to this handler, which the application points at its error report, and the key
    // goes on unchanged. Without one it is only logged.
    void setErrorHandler(std::function<void(const std::exception &)> handler) { m_errorHandler = std::move(handler); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reportError(const std::exception &error) const;

    QWidget *m_dialog;
    Handler m_handler;
    std::function<void(const std::exception &)> m_errorHandler;
    bool m_inHandler = false;
};

} // namespace toolkit
