#pragma once

#include <QLabel>
#include <QTimer>

namespace hostlibs {

// A notice that asks nothing: a small box at the foot of a window that closes by itself after
// a while and takes no focus and no key, so the user reads it without an extra key press. A
// new notice while one shows joins it, each on its own line.
class PassiveNotice : public QLabel
{
    Q_OBJECT

public:
    static constexpr int ShownMilliseconds = 10000;

    // The window's notice, made on first use; the window owns it.
    static void show(QWidget &window, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PassiveNotice(QWidget &window);
    void add(const QString &text);

    QWidget &m_window;
    QTimer m_timer;
};

} // namespace hostlibs
