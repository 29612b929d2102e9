#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class QDialog;
class QWidget;

namespace host {

// The host maker's common utilities: messages, questions, error reports, dialog display,
// key handling and small text helpers. Every message of the component goes through here.
class ICommonUtilities
{
public:
    virtual ~ICommonUtilities() = default;

    virtual QString ApplicationName() const = 0;
    virtual void setApplicationName(const QString &name) = 0;

    virtual void PrepareForm(QWidget *form) = 0;
    // Shows the form modally; the form left in the argument afterwards is the one to keep.
    virtual void ShowForm(std::unique_ptr<QDialog> &form) = 0;
    // Common keyboard handling: a key it consumed comes back as 0.
    virtual void HandleKeyPress(qint16 &keyCode, QWidget *activeControl) = 0;

    virtual void ShowMessage(const QString &text) = 0;
    // A notice that needs no answer and no key: it shows for a while and goes by itself.
    virtual void ShowNotice(const QString &text) = 0;
    virtual bool AskYesNo(const QString &prompt, bool defaultYes, const QString &title) = 0;
    // The index of the choice the user took, or -1 when the user cancelled.
    virtual int AskChoice(const QString &prompt, const QStringList &choices, const QString &title) = 0;
    virtual void ReportError(qint32 reserved, qint32 number, const QString &description, const QString &source) = 0;
    // An error told in the user's words: text says what happened and what to do; details (what a
    // server answered, where it happened) show only when the user asks for them.
    virtual void ShowError(const QString &text, const QString &details) = 0;

    // "%1", "%2", ... replaced by the text of the first, second, ... argument.
    virtual QString FormatText(const QString &templateText, const QVariantList &arguments) const = 0;
    // The code between the parentheses of "description (code)".
    virtual QString ExtractCode(const QString &listText) const = 0;
    // A number written in the current locale's format.
    virtual double ParseNumber(const QString &text) const = 0;
    virtual QString ResolveIniPath(const QString &fileName, const QString &applicationName) const = 0;
};

} // namespace host
