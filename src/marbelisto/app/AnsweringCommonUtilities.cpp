#include "marbelisto/app/AnsweringCommonUtilities.h"

namespace marbelisto {

AnsweringCommonUtilities::AnsweringCommonUtilities(bool answer, QTextStream &out) : m_answer(answer), m_out(out) {}

bool AnsweringCommonUtilities::AskYesNo(const QString &prompt, bool, const QString &)
{
    m_out << QStringLiteral("%1: %2\n").arg(prompt, m_answer ? QStringLiteral("sí") : QStringLiteral("no"));
    return m_answer;
}

} // namespace marbelisto
