#include "core/temperature.h"

#include <limits>

namespace kalvex {
namespace {

constexpr double kFreezingFahrenheit = 32.0;
constexpr double kRankineOffset = 459.67;
constexpr double kKelvinOffset = 273.15;
constexpr double kDegreeRatio = 1.8;
constexpr double kInverseDegreeRatio = 0.5555555555555556; // nearest double to 5/9; never divide by 1.8

} // namespace

// One double operation per step, in the fixed order: the results must match to the last bit.
Temperatures ConvertTemperature(double value, int scale)
{
    switch (scale) {
    case kFahrenheit: {
        const double celsius = (value - kFreezingFahrenheit) * kInverseDegreeRatio;
        return {value, value + kRankineOffset, celsius, celsius + kKelvinOffset};
    }
    case kRankine: {
        const double kelvin = value * kInverseDegreeRatio;
        return {value - kRankineOffset, value, kelvin - kKelvinOffset, kelvin};
    }
    case kCelsius: {
        const double fahrenheit = value * kDegreeRatio + kFreezingFahrenheit;
        return {fahrenheit, fahrenheit + kRankineOffset, value, value + kKelvinOffset};
    }
    case kKelvin: {
        const double fahrenheit = value * kDegreeRatio - kRankineOffset;
        return {fahrenheit, fahrenheit + kRankineOffset, value - kKelvinOffset, value};
    }
    default: {
        constexpr double notAScale = std::numeric_limits<double>::quiet_NaN();
        return {notAScale, notAScale, notAScale, notAScale};
    }
    }
}

double LowestValue(int scale)
{
    switch (scale) {
    case kFahrenheit:
        return -kRankineOffset;
    case kCelsius:
        return -kKelvinOffset;
    default:
        return 0.0; // rankine and kelvin start at absolute zero
    }
}

} // namespace kalvex
