#include "ui/conversion/slider_scale.h"

#include <algorithm>
#include <cmath>

namespace kalvex {

double ScrolledValue(ScrollRequest request, double value, int thumbPosition, const SliderScale& scale)
{
    switch (request) {
    case ScrollRequest::LineLeft:
        return std::max(scale.min, value - 1.0);
    case ScrollRequest::LineRight:
        return std::min(scale.max, value + 1.0);
    case ScrollRequest::PageLeft:
        return std::max(scale.min, value - 10.0);
    case ScrollRequest::PageRight:
        return std::min(scale.max, value + 10.0);
    case ScrollRequest::ThumbReleased:
        return scale.step * thumbPosition + scale.min;
    case ScrollRequest::FarLeft:
        return scale.min;
    case ScrollRequest::FarRight:
        return scale.max;
    case ScrollRequest::Tracking:
        break;
    }
    return value;
}

int SliderPosition(double value, const SliderScale& scale)
{
    const double position = (value - scale.min) / scale.step;
    if (!(position > 0.0)) // also not-a-number
        return 0;
    if (position >= kSliderPositions)
        return kSliderPositions;
    return static_cast<int>(position);
}

double StepFor(double min, double max)
{
    return (std::fabs(min) + max) * 0.00005;
}

} // namespace kalvex
