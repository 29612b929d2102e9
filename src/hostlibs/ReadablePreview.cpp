#include "hostlibs/ReadablePreview.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QPrintPreviewDialog>
#include <QShortcut>
#include <QToolButton>

namespace hostlibs {

namespace {

// The preview's tool button for one of its actions, known by Qt's (translated) text.
QToolButton *toolButton(QPrintPreviewDialog &preview, const char *actionText)
{
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", actionText);
    for (QToolButton *button : preview.findChildren<QToolButton *>()) {
        if (button->defaultAction() && button->defaultAction()->text() == text)
            return button;
    }
    return nullptr;
}

// The zoom buttons act on their click, not on their action, so the keys click them.
void pressOnKeys(QPrintPreviewDialog &preview, const char *actionText, const QList<QKeySequence> &keys)
{
    QToolButton *button = toolButton(preview, actionText);
    if (!button)
        return;
    auto *shortcut = new QShortcut(&preview);
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
}

} // namespace

void ReadablePreview::prepare(QPrintPreviewDialog &preview)
{
    if (auto *fitWidth = preview.findChild<QAction *>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    pressOnKeys(preview, "Zoom in", {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    pressOnKeys(preview, "Zoom out", {QKeySequence(QKeySequence::ZoomOut)});
}

} // namespace hostlibs
