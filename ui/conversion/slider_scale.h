#pragma once

namespace kalvex {

// The value slider has a fixed number of positions; its scale (minimum, maximum and value per
// position) belongs to the dialog and changes as larger values are typed.
inline constexpr int kSliderPositions = 20000;

enum class ScrollRequest {
    LineLeft,
    LineRight,
    PageLeft,
    PageRight,
    ThumbReleased,
    FarLeft,
    FarRight,
    Tracking
};

struct SliderScale {
    double min;
    double max;
    double step;
};

// The value after a scroll request. Line and page steps move by 1 and 10 of the unit whatever the
// scale; a released thumb at position p stands for step * p + min.
double ScrolledValue(ScrollRequest request, double value, int thumbPosition, const SliderScale& scale);

// The thumb position of a value, truncated. Values off the scale (or not numbers at all, after an
// overflowing entry) are kept within the positions instead of overflowing the integer.
int SliderPosition(double value, const SliderScale& scale);

// The value per position when the positions span min..max.
double StepFor(double min, double max);

} // namespace kalvex
