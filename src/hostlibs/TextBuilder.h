#pragma once

#include "vontarelis/host/ITextBuilder.h"

namespace hostlibs {

class TextBuilder : public host::ITextBuilder
{
public:
    void Append(const QString &text) override;
    QString ToString() const override;

private:
    QString m_text;
};

} // namespace hostlibs
