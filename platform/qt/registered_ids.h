#pragma once

#include <string>

namespace kalvex {

// Numbers handed out once per run for names such as clipboard formats and window messages:
// the same name always gives the same number within one process, different names differ.
class RegisteredIds {
public:
    static unsigned Register(const std::string& name);
};

} // namespace kalvex
