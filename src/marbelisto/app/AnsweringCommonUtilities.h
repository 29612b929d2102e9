#pragma once

#include "hostlibs/StandardCommonUtilities.h"

#include <QTextStream>

namespace marbelisto {

// The library's utilities for a verb that runs unattended: every yes/no question gets the
// answer given on the command line, and question and answer are written where the verb reports.
class AnsweringCommonUtilities : public hostlibs::StandardCommonUtilities
{
public:
    AnsweringCommonUtilities(bool answer, QTextStream &out);

    bool AskYesNo(const QString &prompt, bool defaultYes, const QString &title) override;

private:
    bool m_answer;
    QTextStream &m_out;
};

} // namespace marbelisto
