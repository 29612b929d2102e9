#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

// Mouse input delivered the way a real click arrives: to the top-level window, at the target
// widget's position, so that focus handling and window-level filters take part.
namespace testinput {

inline QPoint windowPoint(QWidget *target, QPoint local) { return target->mapTo(target->window(), local); }

inline void click(QWidget *target, QPoint local, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(target->window()->windowHandle(), button, modifiers, windowPoint(target, local));
}
inline void click(QWidget *target, Qt::MouseButton button = Qt::LeftButton)
{
    click(target, target->rect().center(), button);
}
inline void press(QWidget *target, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(target->window()->windowHandle(), button, {}, windowPoint(target, local));
}
inline void release(QWidget *target, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(target->window()->windowHandle(), button, {}, windowPoint(target, local));
}
inline void move(QWidget *target, QPoint local)
{
    QTest::mouseMove(target->window()->windowHandle(), windowPoint(target, local));
}

} // namespace testinput
