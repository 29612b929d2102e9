#include "hostlibs/PassiveNotice.h"

#include <QEvent>

namespace hostlibs {

namespace {

const QString objectNameOfNotice = QStringLiteral("avisoPasivo");

} // namespace

void PassiveNotice::show(QWidget &window, const QString &text)
{
    auto *notice = window.findChild<PassiveNotice *>(objectNameOfNotice, Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new PassiveNotice(window);
    notice->add(text);
}

PassiveNotice::PassiveNotice(QWidget &window)
    : QLabel(&window, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_window(window)
{
    setObjectName(objectNameOfNotice);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setMargin(8);
    setFrameShape(QFrame::Box);
    m_timer.setSingleShot(true);
    m_timer.setInterval(ShownMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
    // A box of its own on screen, it would outlive a dialog that closes before its time is up.
    window.installEventFilter(this);
}

bool PassiveNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Hide)
        close();
    return QLabel::eventFilter(watched, event);
}

void PassiveNotice::add(const QString &text)
{
    setText(isVisible() && !this->text().isEmpty() ? this->text() + u'\n' + text : text);
    adjustSize();
    const QRect frame = m_window.frameGeometry();
    move(frame.left() + (frame.width() - width()) / 2, frame.bottom() - height() - 16);
    QLabel::show();
    m_timer.start();
}

} // namespace hostlibs
