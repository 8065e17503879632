#pragma once

#include <span>

namespace kalvex {

// One dialog template of the group conversion windows: the chosen-units layouts "DIALOG_02" ..
// "DIALOG_15" hold exactly as many result rows as units are shown; "DIALOG_16" holds all 30 rows.
struct ConversionTemplate {
    const char* name;
    int resourceId;
    int rows;
    int rowsPerColumn; // rows beyond this continue in the next column
};

std::span<const ConversionTemplate> ConversionTemplates();

// The chosen-units template for a shown-unit count; counts outside 2..15 get the nearest one.
const ConversionTemplate& ChosenUnitsTemplate(int shownCount);
const ConversionTemplate& AllUnitsTemplate();

} // namespace kalvex
