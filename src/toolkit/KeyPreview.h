#pragma once

#include <QObject>

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_dialog;
    Handler m_handler;
    bool m_inHandler = false;
};

} // namespace toolkit
