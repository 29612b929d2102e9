#pragma once

namespace host {

// What the framework object's factory hands out; callers cast it to the class they asked for.
class IHostObject
{
public:
    virtual ~IHostObject() = default;
};

} // namespace host
