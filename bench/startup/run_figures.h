#pragma once

#include <vector>

namespace kalvex::bench {

// Minimum and median of a series of runs.
struct RunFigures {
    double min = 0;
    double median = 0;
};

RunFigures Summarise(std::vector<double> values);

} // namespace kalvex::bench
