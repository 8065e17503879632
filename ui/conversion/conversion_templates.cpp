#include "ui/conversion/conversion_templates.h"

#include <algorithm>
#include <array>

namespace kalvex {
namespace {

constexpr std::array<ConversionTemplate, 15> kTemplates = {{
    {"DIALOG_02", 8302, 2, 15},
    {"DIALOG_03", 8303, 3, 15},
    {"DIALOG_04", 8304, 4, 15},
    {"DIALOG_05", 8305, 5, 15},
    {"DIALOG_06", 8306, 6, 15},
    {"DIALOG_07", 8307, 7, 15},
    {"DIALOG_08", 8308, 8, 15},
    {"DIALOG_09", 8309, 9, 15},
    {"DIALOG_10", 8310, 10, 15},
    {"DIALOG_11", 8311, 11, 15},
    {"DIALOG_12", 8312, 12, 15},
    {"DIALOG_13", 8313, 13, 15},
    {"DIALOG_14", 8314, 14, 15},
    {"DIALOG_15", 8315, 15, 15},
    {"DIALOG_16", 8316, 30, 15},
}};

constexpr int kFewestShown = 2;
constexpr int kMostShown = 15;

} // namespace

std::span<const ConversionTemplate> ConversionTemplates()
{
    return kTemplates;
}

const ConversionTemplate& ChosenUnitsTemplate(int shownCount)
{
    return kTemplates[std::size_t(std::clamp(shownCount, kFewestShown, kMostShown) - kFewestShown)];
}

const ConversionTemplate& AllUnitsTemplate()
{
    return kTemplates.back();
}

} // namespace kalvex
