#include "bench/startup/run_figures.h"

#include <algorithm>

namespace kalvex::bench {

RunFigures Summarise(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    const double median =
        values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
    return {values.front(), median};
}

} // namespace kalvex::bench
