#include "marbelisto/host/InputBox.h"

#include "toolkit/Twips.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace marbelisto {

QString InputBox::GetText(const QString &title, const QString &caption, const QString &prompt, qint16 width,
                          bool password, qint16 maxLength, const QString &defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("InputBoxEx"));
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    // Plain text: prompts such as "<serie>-<correlativo>" must not be read as markup.
    dialog.setLabelText(caption.isEmpty() ? prompt : caption + QStringLiteral("\n\n") + prompt);
    dialog.setTextValue(defaultText);
    if (width > 0)
        dialog.setMinimumWidth(toolkit::Twips::toPixelsX(width));
    if (auto *line = dialog.findChild<QLineEdit *>(); line && maxLength > 0)
        line->setMaxLength(maxLength);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString text = dialog.textValue();
    return maxLength > 0 ? text.left(maxLength) : text;
}

} // namespace marbelisto
