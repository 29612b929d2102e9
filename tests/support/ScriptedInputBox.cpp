#include "support/ScriptedInputBox.h"

#include <gtest/gtest.h>

namespace testsupport {

QString ScriptedInputBox::GetText(const QString &title, const QString &caption, const QString &prompt, qint16 width,
                                  bool password, qint16 maxLength, const QString &defaultText)
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

} // namespace testsupport
