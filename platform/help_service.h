#pragma once

namespace kalvex {

// The program's help: topic pages by context number.
class IHelpService {
public:
    virtual ~IHelpService() = default;
    virtual void ShowTopic(int contextId) = 0;
    virtual void ShowContents() = 0;
    virtual void ShowHelpOnHelp() = 0;
};

} // namespace kalvex
