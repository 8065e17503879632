#include "ui/conversion/conversion_help.h"

#include "core/factors.h"
#include "ui/conversion/conversion_ids.h"

#include <vector>

namespace kalvex {

using namespace conversion_ids;

namespace {

constexpr int kMostChosenUnits = 15;

std::vector<HelpPair> BuildTable(bool unitList)
{
    std::vector<HelpPair> table = {
        {kInputEdit, kTopicInput}, {kInitialCaption, kTopicInput}, {kInitialInCaption, kTopicInitialUnit}};
    if (unitList)
        table.push_back({kUnitList, kTopicUnitList});
    else
        for (int row = 0; row < kMostChosenUnits; ++row)
            table.push_back({kFirstUnitRadio + row, kTopicInitialUnit});
    table.push_back({kEquivalentCaption, kTopicResults});
    for (int row = 0; row < kMaxUnits; ++row) {
        table.push_back({kFirstResult + row, kTopicResults});
        table.push_back({kFirstSymbol + row, kTopicResults});
    }
    table.insert(table.end(), {{kSliderLowImage, kTopicSlider},
                               {kSliderHighImage, kTopicSlider},
                               {kSlider, kTopicSlider},
                               {kCopyButton, kTopicCopy},
                               {kPasteButton, kTopicPaste},
                               {kFactorsButton, kTopicFactors},
                               {kScientificCheck, kTopicScientific},
                               {kDigitsButton, kTopicDigits},
                               {0, 0}});
    return table;
}

} // namespace

const HelpPair* ChosenUnitsHelpTable()
{
    static const std::vector<HelpPair> table = BuildTable(false);
    return table.data();
}

const HelpPair* AllUnitsHelpTable()
{
    static const std::vector<HelpPair> table = BuildTable(true);
    return table.data();
}

} // namespace kalvex
