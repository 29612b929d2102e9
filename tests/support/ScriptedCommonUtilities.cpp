#include "support/ScriptedCommonUtilities.h"

#include "hostlibs/HostLibraries.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace testsupport {

void ScriptedCommonUtilities::ShowMessage(const QString &text)
{
    messages << text;
}

bool ScriptedCommonUtilities::AskYesNo(const QString &prompt, bool defaultYes, const QString &title)
{
    questions.push_back({prompt, defaultYes, title});
    if (m_answers.empty()) {
        ADD_FAILURE() << "Unexpected question: " << prompt.toStdString();
        return defaultYes;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

void ScriptedCommonUtilities::ReportError(qint32, qint32 number, const QString &description, const QString &source)
{
    errors.push_back({number, description, source});
}

void ScriptedCommonUtilities::ShowForm(std::unique_ptr<QDialog> &form)
{
    shownForms.push_back(form.get());
    if (onShowForm)
        onShowForm(form);
}

ScriptedCommonUtilitiesScope::ScriptedCommonUtilitiesScope()
{
    auto utilities = std::make_unique<ScriptedCommonUtilities>();
    m_utilities = utilities.get();
    hostlibs::InstallCommonUtilities(std::move(utilities));
}

ScriptedCommonUtilitiesScope::~ScriptedCommonUtilitiesScope()
{
    EXPECT_EQ(m_utilities->pendingAnswers(), 0u) << "Answers were queued for questions that were never asked";
    hostlibs::InstallCommonUtilities(nullptr);
}

} // namespace testsupport
