#include "hostlibs/StandardCommonUtilities.h"

#include "hostlibs/PassiveNotice.h"

#include "toolkit/FormattedNumber.h"
#include "toolkit/VariantConvert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>

namespace hostlibs {

namespace {

constexpr qint16 KeyEnter = 13;

} // namespace

QString StandardCommonUtilities::ApplicationName() const
{
    return m_applicationName;
}

void StandardCommonUtilities::setApplicationName(const QString &name)
{
    m_applicationName = name;
}

void StandardCommonUtilities::PrepareForm(QWidget *form)
{
    form->setWindowModality(Qt::ApplicationModal);
    if (!m_applicationName.isEmpty())
        form->setWindowIconText(m_applicationName);
}

void StandardCommonUtilities::ShowForm(std::unique_ptr<QDialog> &form)
{
    // A form that deletes itself on close must not be kept afterwards.
    const QPointer<QDialog> alive(form.get());
    form->exec();
    if (!alive)
        (void)form.release();
}

void StandardCommonUtilities::HandleKeyPress(qint16 &keyCode, QWidget *activeControl)
{
    if (keyCode != KeyEnter || !activeControl)
        return;
    // Enter on a button presses it, as Space does; a check box is a field and moves on.
    if (auto *button = qobject_cast<QAbstractButton *>(activeControl); button && !button->isCheckable()) {
        keyCode = 0;
        button->click();
        return;
    }
    // Enter moves on exactly as Tab does, through the same focus (and validation) path.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(activeControl, &tab);
    keyCode = 0;
}

void StandardCommonUtilities::ShowMessage(const QString &text)
{
    QMessageBox::information(dialogParent(), m_applicationName, text);
}

void StandardCommonUtilities::ShowNotice(const QString &text)
{
    // A question answered just before the print can still be the active window while it closes;
    // a notice on it would vanish with it, so the window that asked shows it.
    QWidget *window = dialogParent();
    while (window && !window->isVisible())
        window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!window)
        window = QApplication::activeModalWidget();
    if (window)
        PassiveNotice::show(*window, text);
}

bool StandardCommonUtilities::AskYesNo(const QString &prompt, bool defaultYes, const QString &title)
{
    const QString caption = title.isEmpty() ? m_applicationName : title;
    const auto answer = QMessageBox::question(dialogParent(), caption, prompt, QMessageBox::Yes | QMessageBox::No,
                                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

int StandardCommonUtilities::AskChoice(const QString &prompt, const QStringList &choices, const QString &title)
{
    const QString caption = title.isEmpty() ? m_applicationName : title;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(dialogParent(), caption, prompt, choices, 0, false, &ok);
    return ok ? int(choices.indexOf(chosen)) : -1;
}

void StandardCommonUtilities::ReportError(qint32, qint32 number, const QString &description, const QString &source)
{
    ShowError(QStringLiteral("Error %1: %2\n\nOrigen: %3").arg(number).arg(description, source), QString());
}

void StandardCommonUtilities::ShowError(const QString &text, const QString &details)
{
    if (m_errorsOnScreen.contains(text))
        return;
    m_errorsOnScreen << text;
    const auto closed = qScopeGuard([this, &text] { m_errorsOnScreen.removeOne(text); });
    QMessageBox box(QMessageBox::Critical, m_applicationName, text, QMessageBox::Ok, dialogParent());
    box.setDetailedText(details);
    box.exec();
}

QString StandardCommonUtilities::FormatText(const QString &templateText, const QVariantList &arguments) const
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    QString result;
    qsizetype last = 0;
    auto it = placeholder.globalMatch(templateText);
    while (it.hasNext()) {
        const auto match = it.next();
        result += templateText.mid(last, match.capturedStart() - last);
        const int index = match.captured(1).toInt() - 1;
        result += index >= 0 && index < arguments.size() ? toolkit::toText(arguments.at(index)) : match.captured(0);
        last = match.capturedEnd();
    }
    return result + templateText.mid(last);
}

QString StandardCommonUtilities::ExtractCode(const QString &listText) const
{
    const qsizetype open = listText.lastIndexOf(QLatin1Char('('));
    if (open < 0)
        return listText.trimmed();
    const qsizetype close = listText.indexOf(QLatin1Char(')'), open);
    return listText.mid(open + 1, (close < 0 ? listText.size() : close) - open - 1).trimmed();
}

double StandardCommonUtilities::ParseNumber(const QString &text) const
{
    return toolkit::FormattedNumber::read(text);
}

QString StandardCommonUtilities::ResolveIniPath(const QString &fileName, const QString &applicationName) const
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(applicationName + QLatin1Char('/') + fileName);
}

QWidget *StandardCommonUtilities::dialogParent() const
{
    return QApplication::activeWindow();
}

} // namespace hostlibs
