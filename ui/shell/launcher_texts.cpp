#include "ui/shell/launcher_texts.h"

#include <array>

namespace kalvex {

namespace {

constexpr std::array<const char*, 16> kMenuLabels = {
    "&Temperature", "&Distance", "&Mass",  "&Volume",  "&Area",     "A&ngle", "&Power",        "&Energy",
    "P&ressure",    "T&ime",     "&Force", "Den&sity", "Ve&locity", "M&oney", "A&cceleration", "&Custom"};
} // namespace

QString GroupMenuLabel(int groupIndex)
{
    if (groupIndex < 0 || groupIndex >= static_cast<int>(kMenuLabels.size()))
        return {};
    return QString::fromLatin1(kMenuLabels[static_cast<std::size_t>(groupIndex)]);
}

} // namespace kalvex
