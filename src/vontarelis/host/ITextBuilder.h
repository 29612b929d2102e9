#pragma once

#include <QString>

namespace host {

// A text accumulator.
class ITextBuilder
{
public:
    virtual ~ITextBuilder() = default;

    virtual void Append(const QString &text) = 0;
    virtual QString ToString() const = 0;
};

} // namespace host
