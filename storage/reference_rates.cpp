#include "storage/reference_rates.h"

#include "storage/xml_elements.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace kalvex {
namespace {

const char* const kCube = "Cube";

// The local part of a possibly prefixed element name.
std::string_view LocalName(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool IsCube(const XmlElement& element)
{
    return LocalName(element.name) == kCube;
}

std::optional<int> Digits(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty() || text[0] == '-' ||
        text[0] == '+')
        return std::nullopt;
    return value;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool ReadDate(std::string_view text, ReferenceRates& rates)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    const auto year = Digits(text.substr(0, 4));
    const auto month = Digits(text.substr(5, 2));
    const auto day = Digits(text.substr(8, 2));
    if (!year || !month || !day || *year < 1999 || *month < 1 || *month > 12 || *day < 1)
        return false;
    static const int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int days = kDaysInMonth[*month - 1] + (*month == 2 && IsLeapYear(*year) ? 1 : 0);
    if (*day > days)
        return false;
    rates.year = *year;
    rates.month = *month;
    rates.day = *day;
    return true;
}

bool IsCurrencyCode(std::string_view code)
{
    if (code.size() != 3)
        return false;
    for (const char c : code) {
        if (c < 'A' || c > 'Z')
            return false;
    }
    return true;
}

std::optional<double> ReadRate(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) || value <= 0.0)
        return std::nullopt;
    return value;
}

ReferenceRatesResult Failure(std::string error)
{
    return {std::nullopt, std::move(error)};
}

} // namespace

ReferenceRatesResult ParseReferenceRates(std::string_view document)
{
    if (document.size() > kMaxRatesDocumentBytes)
        return Failure("the rates document is too large");
    const XmlReadResult xml = ReadXmlElements(document);
    if (!xml.error.empty())
        return Failure("the rates document is not well-formed XML: " + xml.error);

    int dayIndex = -1;
    for (std::size_t i = 0; i < xml.elements.size() && dayIndex < 0; ++i) {
        if (IsCube(xml.elements[i]) && xml.elements[i].Attribute("time"))
            dayIndex = int(i);
    }
    if (dayIndex < 0)
        return Failure("the rates document has no Cube element with a time");

    ReferenceRates rates;
    const std::string& time = *xml.elements[std::size_t(dayIndex)].Attribute("time");
    if (!ReadDate(time, rates))
        return Failure("the rates document's time \"" + time + "\" is not a date");

    for (const XmlElement& element : xml.elements) {
        if (element.parent != dayIndex || !IsCube(element))
            continue;
        const std::string* currency = element.Attribute("currency");
        const std::string* rate = element.Attribute("rate");
        if (!currency || !IsCurrencyCode(*currency))
            return Failure("a rate in the rates document has no valid currency code");
        if (!rate)
            return Failure("the rate of " + *currency + " is missing");
        const std::optional<double> value = ReadRate(*rate);
        if (!value)
            return Failure("the rate of " + *currency + " \"" + *rate + "\" is not a positive number");
        if (!rates.perEuro.emplace(*currency, *value).second)
            return Failure("the rates document lists " + *currency + " twice");
    }
    if (rates.perEuro.empty())
        return Failure("the rates document holds no rates");
    return {std::move(rates), {}};
}

} // namespace kalvex
