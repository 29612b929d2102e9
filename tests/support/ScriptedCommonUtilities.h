#pragma once

#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"

#include <QDialog>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace testsupport {

// CommonUtilities for tests: records every message, answers questions from a queue and fails
// the test on a question nobody expected. Forms are shown without blocking unless a test sets
// onShowForm; the text helpers are the library's own.
class ScriptedCommonUtilities : public hostlibs::StandardCommonUtilities
{
public:
    struct Question
    {
        QString prompt;
        bool defaultYes;
        QString title;
    };
    struct ReportedError
    {
        qint32 number;
        QString description;
        QString source;
    };

    void ShowMessage(const QString &text) override { messages << text; }
    void ShowNotice(const QString &text) override { notices << text; }
    bool AskYesNo(const QString &prompt, bool defaultYes, const QString &title) override
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
    int AskChoice(const QString &prompt, const QStringList &choices, const QString &) override
    {
        choiceQuestions.push_back({prompt, choices});
        if (m_choices.empty()) {
            ADD_FAILURE() << "Unexpected choice: " << prompt.toStdString();
            return -1;
        }
        const QString wanted = m_choices.front();
        m_choices.pop_front();
        // An empty answer cancels; any other must be one of the choices offered.
        if (wanted.isEmpty())
            return -1;
        EXPECT_TRUE(choices.contains(wanted)) << wanted.toStdString() << " was not offered";
        return int(choices.indexOf(wanted));
    }
    void ReportError(qint32, qint32 number, const QString &description, const QString &source) override
    {
        errors.push_back({number, description, source});
    }
    void ShowError(const QString &text, const QString &details) override { shownErrors.push_back({text, details}); }
    void ShowForm(std::unique_ptr<QDialog> &form) override
    {
        shownForms.push_back(form.get());
        if (onShowForm)
            onShowForm(form);
    }

    // The answer to the next question.
    void answer(bool yes) { m_answers.push_back(yes); }
    // The choice to take at the next choice question, by its text; empty cancels.
    void choose(const QString &choice) { m_choices.push_back(choice); }
    std::size_t pendingAnswers() const { return m_answers.size() + m_choices.size(); }

    QStringList messages;
    QStringList notices;
    std::vector<Question> questions;
    // Prompt and choices of each choice question.
    std::vector<std::pair<QString, QStringList>> choiceQuestions;
    std::vector<ReportedError> errors;
    // Text and details of each ShowError.
    std::vector<std::pair<QString, QString>> shownErrors;
    std::vector<QDialog *> shownForms;
    // Runs in place of the modal loop; a test drives the form here.
    std::function<void(std::unique_ptr<QDialog> &)> onShowForm;

private:
    std::deque<bool> m_answers;
    std::deque<QString> m_choices;
};

// Installs a fresh ScriptedCommonUtilities as the library's global object for one test.
class ScriptedCommonUtilitiesScope
{
public:
    ScriptedCommonUtilitiesScope()
    {
        auto utilities = std::make_unique<ScriptedCommonUtilities>();
        m_utilities = utilities.get();
        hostlibs::InstallCommonUtilities(std::move(utilities));
    }
    ~ScriptedCommonUtilitiesScope()
    {
        EXPECT_EQ(m_utilities->pendingAnswers(), 0u) << "Answers were queued for questions that were never asked";
        hostlibs::InstallCommonUtilities(nullptr);
    }
    ScriptedCommonUtilitiesScope(const ScriptedCommonUtilitiesScope &) = delete;
    ScriptedCommonUtilitiesScope &operator=(const ScriptedCommonUtilitiesScope &) = delete;

    ScriptedCommonUtilities &operator*() const { return *m_utilities; }
    ScriptedCommonUtilities *operator->() const { return m_utilities; }

private:
    ScriptedCommonUtilities *m_utilities;
};

} // namespace testsupport
