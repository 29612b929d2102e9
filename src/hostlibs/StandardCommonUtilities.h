#pragma once

#include "vontarelis/host/ICommonUtilities.h"

#include <QStringList>

namespace hostlibs {

// The library's own CommonUtilities: Qt message boxes, modal forms, Enter as Tab.
class StandardCommonUtilities : public host::ICommonUtilities
{
public:
    QString ApplicationName() const override;
    void setApplicationName(const QString &name) override;

    void PrepareForm(QWidget *form) override;
    void ShowForm(std::unique_ptr<QDialog> &form) override;
    void HandleKeyPress(qint16 &keyCode, QWidget *activeControl) override;

    void ShowMessage(const QString &text) override;
    // Beside the active window (PassiveNotice); with no window there is no one to tell.
    void ShowNotice(const QString &text) override;
    bool AskYesNo(const QString &prompt, bool defaultYes, const QString &title) override;
    int AskChoice(const QString &prompt, const QStringList &choices, const QString &title) override;
    // Error boxes: one that is already on screen is not opened again over itself, as a timer or
    // a second click while it shows would otherwise pile them up.
    void ReportError(qint32 reserved, qint32 number, const QString &description, const QString &source) override;
    void ShowError(const QString &text, const QString &details) override;

    QString FormatText(const QString &templateText, const QVariantList &arguments) const override;
    QString ExtractCode(const QString &listText) const override;
    double ParseNumber(const QString &text) const override;
    QString ResolveIniPath(const QString &fileName, const QString &applicationName) const override;

private:
    QWidget *dialogParent() const;

    QString m_applicationName;
    QStringList m_errorsOnScreen;
};

} // namespace hostlibs
