#pragma once

#include "vontarelis/host/IInputBox.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace testsupport {

// An input box for tests: answers from a queue, exactly as queued (blanks and control characters
// included), records every call, and fails the test when asked with nothing queued.
class ScriptedInputBox : public host::IInputBox
{
public:
    struct Call
    {
        QString title;
        QString caption;
        QString prompt;
        qint16 width;
        bool password;
        qint16 maxLength;
        QString defaultText;
    };

    QString GetText(const QString &title, const QString &caption, const QString &prompt, qint16 width, bool password,
                    qint16 maxLength, const QString &defaultText) override
    {
        calls.push_back({title, caption, prompt, width, password, maxLength, defaultText});
        if (m_answers.empty()) {
            ADD_FAILURE() << "Unexpected input box: " << prompt.toStdString();
            return {};
        }
        const QString text = m_answers.front();
        m_answers.pop_front();
        return text;
    }

    void answer(const QString &text) { m_answers.push_back(text); }
    void answer(const QStringList &texts) { m_answers.insert(m_answers.end(), texts.begin(), texts.end()); }
    std::size_t pendingAnswers() const { return m_answers.size(); }

    std::vector<Call> calls;

private:
    std::deque<QString> m_answers;
};

} // namespace testsupport
