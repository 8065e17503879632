#include "storage/currencies.h"

#include "core/conversion.h"

#include <algorithm>
#include <utility>

namespace kalvex {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsCode(std::string_view symbol)
{
    return symbol.size() == 3 &&
           std::all_of(symbol.begin(), symbol.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

struct QuotedCurrency {
    std::string_view code;
    std::string_view name;
};

// Every currency the euro reference rates have listed, in their order.
constexpr QuotedCurrency kQuotedCurrencies[] = {
    {"USD", "US dollar"},          {"JPY", "Japanese yen"},          {"BGN", "Bulgarian lev"},
    {"CYP", "Cyprus pound"},       {"CZK", "Czech koruna"},          {"DKK", "Danish krone"},
    {"EEK", "Estonian kroon"},     {"GBP", "British pound"},         {"HUF", "Hungarian forint"},
    {"LTL", "Lithuanian litas"},   {"LVL", "Latvian lats"},          {"MTL", "Maltese lira"},
    {"PLN", "Polish zloty"},       {"ROL", "Romanian leu (old)"},    {"RON", "Romanian leu"},
    {"SEK", "Swedish krona"},      {"SIT", "Slovenian tolar"},       {"SKK", "Slovak koruna"},
    {"CHF", "Swiss franc"},        {"ISK", "Icelandic krona"},       {"NOK", "Norwegian krone"},
    {"HRK", "Croatian kuna"},      {"RUB", "Russian rouble"},        {"TRL", "Turkish lira (old)"},
    {"TRY", "Turkish lira"},       {"AUD", "Australian dollar"},     {"BRL", "Brazilian real"},
    {"CAD", "Canadian dollar"},    {"CNY", "Chinese yuan renminbi"}, {"HKD", "Hong Kong dollar"},
    {"IDR", "Indonesian rupiah"},  {"ILS", "Israeli shekel"},        {"INR", "Indian rupee"},
    {"KRW", "South Korean won"},   {"MXN", "Mexican peso"},          {"MYR", "Malaysian ringgit"},
    {"NZD", "New Zealand dollar"}, {"PHP", "Philippine peso"},       {"SGD", "Singapore dollar"},
    {"THB", "Thai baht"},          {"ZAR", "South African rand"},
};

const QuotedCurrency* FindQuotedCurrency(std::string_view code)
{
    const auto found = std::ranges::find(kQuotedCurrencies, code, &QuotedCurrency::code);
    return found == std::end(kQuotedCurrencies) ? nullptr : found;
}

} // namespace

std::optional<std::string> CurrencyCode(const std::string& unitEntry)
{
    static const std::pair<std::string_view, std::string_view> kNamedUnits[] = {
        {"US dollar", "USD"},
        {"German mark", "DEM"},
        {"British pound", "GBP"},
        {"Japanese yen", "JPY"},
        {"Canadian dollar", "CAD"},
        {"French franc", "FRF"},
        {"Dutch guilder", "NLG"},
        {"Italian lira", "ITL"},
        {"Mexican peso", "MXN"},
        {"Swiss franc", "CHF"},
        {"euro", "EUR"},
    };
    const std::string name = UnitName(unitEntry);
    for (const auto& [unitName, code] : kNamedUnits) {
        if (SameIgnoringCase(name, unitName))
            return std::string(code);
    }
    const std::string symbol = UnitSymbol(unitEntry);
    if (symbol == "€")
        return std::string(kEuroCode);
    if (IsCode(symbol))
        return symbol;
    return std::nullopt;
}

std::string CurrencyUnitEntry(std::string_view code)
{
    const QuotedCurrency* currency = FindQuotedCurrency(code);
    return std::string(currency ? currency->name : code) + ',' + std::string(code);
}

int ListingRank(std::string_view code)
{
    const QuotedCurrency* currency = FindQuotedCurrency(code);
    return int((currency ? currency : std::end(kQuotedCurrencies)) - std::begin(kQuotedCurrencies));
}

std::optional<double> FixedEuroRate(std::string_view code)
{
    static const std::pair<std::string_view, double> kFixedRates[] = {
        {"ATS", 13.7603},  {"BEF", 40.3399}, {"CYP", 0.585274}, {"DEM", 1.95583}, {"EEK", 15.6466},
        {"ESP", 166.386},  {"FIM", 5.94573}, {"FRF", 6.55957},  {"GRD", 340.750}, {"HRK", 7.53450},
        {"IEP", 0.787564}, {"ITL", 1936.27}, {"LTL", 3.45280},  {"LUF", 40.3399}, {"LVL", 0.702804},
        {"MTL", 0.429300}, {"NLG", 2.20371}, {"PTE", 200.482},  {"SIT", 239.640}, {"SKK", 30.1260},
    };
    for (const auto& [fixedCode, rate] : kFixedRates) {
        if (fixedCode == code)
            return rate;
    }
    return std::nullopt;
}

} // namespace kalvex
