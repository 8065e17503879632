#pragma once

#include <string>
#include <string_view>

namespace kalvex {

// The program's string table entry by number (UTF-8); empty when there is none.
std::string LoadString(int id);

// The text of a factor-table resource ("DistRows", matched without regard to case);
// empty when there is none.
std::string_view FactorTableText(std::string_view name);
// The same text as an earlier build of the program carried it.
std::string_view EarlierFactorTableText(std::string_view name);

} // namespace kalvex
