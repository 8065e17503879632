#include "core/unit_aliases.h"

#include "core/group_ids.h"

#include <array>
#include <string>

namespace kalvex {
namespace {

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
    {"metre", kDistanceId, "meter"},
    {"kilometre", kDistanceId, "kilometer"},
    {"centimetre", kDistanceId, "centimeter"},
    {"millimetre", kDistanceId, "millimeter"},
    {"lbs", kMassId, "pound"},
    {"kgs", kMassId, "kilogram"},
    {"tonne", kMassId, "ton (metric)"},
    {"cc", kVolumeId, "cubic centimeter"},
    {"ml", kVolumeId, "milliliter"},
    {"l", kVolumeId, "liter"},
    {"litre", kVolumeId, "liter"},
    {"tbsp", kVolumeId, "tablespoon"},
    {"fl oz", kVolumeId, "ounce (US fluid)"},
    {"cu ft", kVolumeId, "cubic foot"},
    {"cu in", kVolumeId, "cubic inch"},
    {"cu yd", kVolumeId, "cubic yard"},
    {"sq ft", kAreaId, "square foot"},
    {"sqft", kAreaId, "square foot"},
    {"sq in", kAreaId, "square inch"},
    {"sq yd", kAreaId, "square yard"},
    {"sq mi", kAreaId, "square mile"},
    {"sq m", kAreaId, "square meter"},
    {"sq km", kAreaId, "square kilometer"},
    {"bhp", kPowerId, "horsepower (boiler)"},
    {"kwh", kEnergyId, "kilowatthour"},
    {"kilowatt hour", kEnergyId, "kilowatthour"},
    {"psi", kPressureId, "pound force per square inch"},
    {"psf", kPressureId, "pound force per square foot"},
    {"ksi", kPressureId, "kilopound force per square inch"},
    {"mm hg", kPressureId, "millimeter mercury (0°C)"},
    {"in hg", kPressureId, "inch of mercury (32°F)"},
    {"arcminute", kAngleId, "minute"},
    {"arcmin", kAngleId, "minute"},
    {"arcsecond", kAngleId, "second"},
    {"arcsec", kAngleId, "second"},
    {"sec", kTimeId, "second"},
    {"hr", kTimeId, "hour"},
    {"mph", kVelocityId, "mile per hour"},
    {"kph", kVelocityId, "kilometer per hour"},
    {"kmh", kVelocityId, "kilometer per hour"},
    {"fps", kVelocityId, "foot per second"},
});

// Plain words mean the units of the US customary system where it has them, the international
// definitions elsewhere, and the thermochemical calorie as the standards of today do.
constexpr std::array kPreferredUnits = std::to_array<PreferredUnit>({
    {kDistanceId, "mile (international)"},
    {kMassId, "ton (short)"},
    {kMassId, "ton (metric)"},
    {kVolumeId, "gallon (US)"},
    {kVolumeId, "quart (US fluid)"},
    {kVolumeId, "pint (US fluid)"},
    {kVolumeId, "cup (US)"},
    {kVolumeId, "gill (US)"},
    {kVolumeId, "ounce (US fluid)"},
    {kPowerId, "horsepower (550 ft·lbf/s)"},
    {kPowerId, "Btu (int'l) per hour"},
    {kPowerId, "Btu (int'l) per minute"},
    {kPowerId, "Btu (int'l) per second"},
    {kEnergyId, "British thermal unit (int'l)"},
    {kEnergyId, "calorie (therm)"},
    {kEnergyId, "kilocalorie (therm)"},
});

constexpr std::array kScaledUnits = std::to_array<ScaledUnit>({
    {"stone", "st", kMassId, "pound", 14.0},
});

// The metric unit a group's values are usually read in, or its most common one.
constexpr std::array kReferenceUnits = std::to_array<ReferenceUnit>({
    {kDistanceId, "meter"},
    {kMassId, "kilogram"},
    {kVolumeId, "liter"},
    {kAngleId, "degree"},
    {kTimeId, "second"},
});

// Heights, weights, times and angles.
constexpr std::array kCompoundReadings = std::to_array<CompoundUnits>({
    {"foot", {"foot", "inch"}},
    {"pound", {"pound", "ounce"}},
    {"hour", {"hour", "minute", "second"}},
    {"degree", {"degree", "minute", "second"}},
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

std::span<const ScaledUnit> ScaledUnits()
{
    return kScaledUnits;
}

std::span<const ReferenceUnit> ReferenceUnits()
{
    return kReferenceUnits;
}

std::span<const CompoundUnits> CompoundReadings()
{
    return kCompoundReadings;
}

std::span<const TemperatureScaleName> TemperatureScaleNames()
{
    return kTemperatureScales;
}

} // namespace kalvex
