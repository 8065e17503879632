#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kalvex {

// The text with runs of blanks and tabs made one blank, and none at either end.
std::string CollapseBlanks(std::string_view text);

// A typed query split into the value, read later exactly as a conversion window reads its entry,
// and the unit text ("2 1/2 in" gives "2 1/2" and "in"; "32psi" gives "32" and "psi").
struct SplitText {
    std::string value; // empty when no value was typed
    std::string unit;  // trimmed, inner runs of blanks made one
};
SplitText SplitQuery(std::string_view query);

// One value and unit of a query that adds several ("5 ft 11 in").
struct QueryPart {
    std::string value; // empty when none was typed
    std::string unit;  // as the finder reads it: ' and " already made feet and inches, or arc
    std::string typed; // the part as typed, for messages
};

struct QueryParts {
    std::vector<QueryPart> parts;
    // A lone value in ' was read as feet, not as minutes of arc.
    bool primeAsFeet = false;
};

// Splits a query into values with their units. A new part starts at a number after a blank, a
// plus sign or a ', " or °. ' and " are feet and inches unless a degree sign makes them minutes
// and seconds of arc, and so are m and s after d ("12d 30m 15s"); "1:30" and "1:30:15" are hours,
// minutes and seconds. A number left without a unit after feet or degrees is the next smaller
// unit (5'11 is 5'11").
QueryParts ReadQueryParts(std::string_view query);

} // namespace kalvex
