#include "marbelisto/app/MenuProbe.h"

#include "marbelisto/app/MainWindow.h"
#include "marbelisto/ui/GuideListModel.h"
#include "marbelisto/ui/GuideListPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

namespace marbelisto {

bool MenuProbe::requested()
{
    return !qEnvironmentVariableIsEmpty(Variable);
}

MenuProbe::MenuProbe(MainWindow &window, QTextStream &out) : m_window(window), m_out(out) {}

int MenuProbe::run()
{
    // A modal window runs its own event loop; the timer ticks inside it.
    QTimer watch;
    watch.setInterval(50);
    connect(&watch, &QTimer::timeout, this, &MenuProbe::closeModal);
    watch.start();
    QApplication::processEvents();
    for (QAction *action : m_window.menuDespacho()->actions()) {
        if (action->isSeparator())
            continue;
        m_entry = action->text().remove(u'&');
        m_out << m_entry << QStringLiteral(" [") << action->shortcut().toString() << QStringLiteral("]\n");
        m_out.flush();
        action->trigger();
    }
    const GuideListModel &list = m_window.guides().model();
    m_out << QStringLiteral("lista: %1 de %2 guías, primera %3\n").arg(list.rowCount()).arg(list.total()).arg(list.numero(0));
    for (const char *panel : {"stbAviso", "stbUsuario"}) {
        if (const auto *label = m_window.findChild<QLabel *>(QString::fromLatin1(panel)))
            m_out << label->text() << u'\n';
    }
    m_out.flush();
    return 0;
}

void MenuProbe::closeModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    // A window that stays open after being told to close is told again, but written once.
    if (modal != m_handled) {
        m_handled = modal;
        QString text = modal->windowTitle();
        if (const auto *box = qobject_cast<QMessageBox *>(modal))
            text = box->text();
        // The buttons show whether Qt's own texts speak the user's language.
        QStringList buttons;
        if (const auto *box = modal->findChild<QDialogButtonBox *>()) {
            for (const QAbstractButton *button : box->buttons())
                buttons.append(button->text());
        }
        m_out << QStringLiteral("  %1 -> %2 (%3): %4 [%5]\n")
                     .arg(m_entry, modal->objectName(), QString::fromLatin1(modal->metaObject()->className()),
                          text.simplified(), buttons.join(u'|'));
        m_out.flush();
    }
    if (auto *input = qobject_cast<QInputDialog *>(modal)) {
        input->setTextValue(QString::number(m_window.guides().model().numero(0)));
        input->accept();
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

} // namespace marbelisto
