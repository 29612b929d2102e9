#include "hostlibs/TextBuilder.h"

namespace hostlibs {

void TextBuilder::Append(const QString &text)
{
    m_text += text;
}

QString TextBuilder::ToString() const
{
    return m_text;
}

} // namespace hostlibs
