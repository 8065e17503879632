#pragma once

#include <string>

namespace kalvex {

// Receives the one-line progress text of long start-up work ("which group is being built").
class IProgressSink {
public:
    virtual ~IProgressSink() = default;
    virtual void Report(const std::string& text) = 0;
};

class NullProgressSink final : public IProgressSink {
public:
    void Report(const std::string&) override {}
};

} // namespace kalvex
