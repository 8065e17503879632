#pragma once

#include <string_view>
#include <vector>

namespace kalvex {

class CConversion;

// Steps shared by building a group from the built-in tables and importing it from an older
// version's files.

// Pieces of text between separators; empty pieces are skipped.
std::vector<std::string_view> SplitTokens(std::string_view text, char separator);

// A factor in the C library's decimal syntax ("6.684585813e-012"); 0.0 (unknown) when the
// token is not a finite number.
double ParseFactor(std::string_view token);

// Empties units and order, clears the factors to 0.0 with M[0][0] = 1.0 and sets the display
// settings of a new group.
void StartNewGroup(CConversion& group);

// Sets the unit order from a comma-separated list of 1-based unit numbers; numbers that name no
// unit of the group are left out. m_shownCount becomes the number of entries kept.
void SetUnitOrder(CConversion& group, std::string_view orderText);
// Order 1, 2, ..., count.
void SetSequentialOrder(CConversion& group, int count);

// Row j of the lower triangle: M[j][0..j-1] from a comma-separated line, each known factor
// mirrored as its reciprocal; then M[j][j] = 1.0. Entries the line lacks stay 0.0.
void SetFactorRow(CConversion& group, int j, std::string_view line);

// Completes every row with a missing lower entry through the group's first unit.
void FillMissingThroughFirstUnit(CConversion& group, int unitCount);

} // namespace kalvex
