#include "core/unit_aliases.h"

#include "core/group_ids.h"

#include <array>
#include <string>

namespace kalvex {
namespace {

constexpr int kDistance = 4104, kMass = 4105, kVolume = 4106, kArea = 4107, kPower = 4109, kEnergy = 4110,
              kPressure = 4111, kTime = 4112, kVelocity = 4115;

constexpr std::string_view kMicro = "µ", kDegree = "°", kSquared = "²", kCubed = "³";

// Spellings are matched without regard to case, except one-letter ones, which must match exactly
// ("C" is celsius, "c" nothing). Plural spellings need no entry of their own.
constexpr std::array kAliases = std::to_array<UnitAlias>({
    {"C", kTemperatureId, "celsius"},
    {"F", kTemperatureId, "fahrenheit"},
    {"R", kTemperatureId, "rankine"},
    {"degree celsius", kTemperatureId, "celsius"},
    {"degree fahrenheit", kTemperatureId, "fahrenheit"},
    {"degree rankine", kTemperatureId, "rankine"},
    {"metre", kDistance, "meter"},
    {"kilometre", kDistance, "kilometer"},
    {"centimetre", kDistance, "centimeter"},
    {"millimetre", kDistance, "millimeter"},
    {"lbs", kMass, "pound"},
    {"kgs", kMass, "kilogram"},
    {"tonne", kMass, "ton (metric)"},
    {"cc", kVolume, "cubic centimeter"},
    {"ml", kVolume, "milliliter"},
    {"l", kVolume, "liter"},
    {"litre", kVolume, "liter"},
    {"tbsp", kVolume, "tablespoon"},
    {"fl oz", kVolume, "ounce (US fluid)"},
    {"cu ft", kVolume, "cubic foot"},
    {"cu in", kVolume, "cubic inch"},
    {"cu yd", kVolume, "cubic yard"},
    {"sq ft", kArea, "square foot"},
    {"sqft", kArea, "square foot"},
    {"sq in", kArea, "square inch"},
    {"sq yd", kArea, "square yard"},
    {"sq mi", kArea, "square mile"},
    {"sq m", kArea, "square meter"},
    {"sq km", kArea, "square kilometer"},
    {"bhp", kPower, "horsepower (boiler)"},
    {"kwh", kEnergy, "kilowatthour"},
    {"kilowatt hour", kEnergy, "kilowatthour"},
    {"psi", kPressure, "pound force per square inch"},
    {"psf", kPressure, "pound force per square foot"},
    {"ksi", kPressure, "kilopound force per square inch"},
    {"mm hg", kPressure, "millimeter mercury (0°C)"},
    {"in hg", kPressure, "inch of mercury (32°F)"},
    {"sec", kTime, "second"},
    {"hr", kTime, "hour"},
    {"mph", kVelocity, "mile per hour"},
    {"kph", kVelocity, "kilometer per hour"},
    {"kmh", kVelocity, "kilometer per hour"},
    {"fps", kVelocity, "foot per second"},
});

// Plain words mean the units of the US customary system where it has them, the international
// definitions elsewhere, and the thermochemical calorie as the standards of today do.
constexpr std::array kPreferredUnits = std::to_array<PreferredUnit>({
    {kDistance, "mile (international)"},
    {kMass, "ton (short)"},
    {kMass, "ton (metric)"},
    {kVolume, "gallon (US)"},
    {kVolume, "quart (US fluid)"},
    {kVolume, "pint (US fluid)"},
    {kVolume, "cup (US)"},
    {kVolume, "gill (US)"},
    {kVolume, "ounce (US fluid)"},
    {kPower, "horsepower (550 ft·lbf/s)"},
    {kPower, "Btu (int'l) per hour"},
    {kPower, "Btu (int'l) per minute"},
    {kPower, "Btu (int'l) per second"},
    {kEnergy, "British thermal unit (int'l)"},
    {kEnergy, "calorie (therm)"},
    {kEnergy, "kilocalorie (therm)"},
});

constexpr std::array kTemperatureScales = std::to_array<TemperatureScaleName>({
    {"fahrenheit", "°F"},
    {"rankine", "°R"},
    {"celsius", "°C"},
    {"kelvin", "K"},
});

} // namespace

std::span<const UnitAlias> UnitAliases()
{
    return kAliases;
}

std::span<const PreferredUnit> PreferredUnits()
{
    return kPreferredUnits;
}

std::optional<std::string> TypedSymbol(std::string_view unitText)
{
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::string symbol;
    std::size_t i = 0;
    if (unitText.size() > 1 && unitText[0] == 'u' && isLetter(unitText[1])) {
        symbol = kMicro;
        i = 1;
    } else if (unitText.starts_with("deg")) {
        // "degree" is a name; "degC", "deg C" and "deg" are symbols.
        const std::size_t rest = unitText.size() > 3 && unitText[3] == ' ' ? 4 : 3;
        if (rest == unitText.size() || !(unitText[rest] >= 'a' && unitText[rest] <= 'z')) {
            symbol = kDegree;
            i = rest;
        }
    }
    for (; i < unitText.size(); ++i) {
        // A power is a 2 or 3, or ^2 or ^3, after a letter and before no further digit.
        const std::size_t digit = unitText[i] == '^' ? i + 1 : i;
        if (i > 0 && isLetter(unitText[i - 1]) && digit < unitText.size() &&
            (unitText[digit] == '2' || unitText[digit] == '3') &&
            (digit + 1 == unitText.size() || !isDigit(unitText[digit + 1]))) {
            symbol += unitText[digit] == '2' ? kSquared : kCubed;
            i = digit;
        } else {
            symbol += unitText[i];
        }
    }
    if (symbol == unitText)
        return std::nullopt;
    return symbol;
}

std::span<const TemperatureScaleName> TemperatureScaleNames()
{
    return kTemperatureScales;
}

} // namespace kalvex
