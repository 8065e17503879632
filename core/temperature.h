#pragma once

namespace kalvex {

constexpr int kFahrenheit = 8401, kRankine = 8402, kCelsius = 8403, kKelvin = 8404;

struct Temperatures {
    double fahrenheit, rankine, celsius, kelvin;
};

Temperatures ConvertTemperature(double value, int scale);
// Absolute zero in the given scale; values strictly below it are refused.
double LowestValue(int scale);

} // namespace kalvex
