#include "storage/rates_update.h"

#include "core/conversion.h"
#include "storage/currencies.h"

namespace kalvex {
namespace {

// The conversion window lists at most this many chosen units.
constexpr int kMaxShownUnits = 15;

// Units of the currency in one euro, when the rates or the fixed euro rates give it.
std::optional<double> PerEuro(const std::string& unitEntry, const ReferenceRates& rates)
{
    const std::optional<std::string> code = CurrencyCode(unitEntry);
    if (!code)
        return std::nullopt;
    if (*code == kEuroCode)
        return 1.0;
    if (const std::optional<double> fixed = FixedEuroRate(*code))
        return fixed;
    const auto quoted = rates.perEuro.find(*code);
    if (quoted == rates.perEuro.end())
        return std::nullopt;
    return quoted->second;
}

bool HasEuro(const CConversion& group)
{
    for (int u = 0; u < group.m_unitCount; ++u) {
        if (CurrencyCode(group.m_units[std::size_t(u)]) == std::optional<std::string>(kEuroCode))
            return true;
    }
    return false;
}

void AddEuro(CConversion& group)
{
    const int euro = group.m_unitCount;
    group.m_units[std::size_t(euro)] = kEuroUnitEntry;
    group.m_factors[std::size_t(euro)][std::size_t(euro)] = 1.0;
    ++group.m_unitCount;
    if (!group.m_showAll && group.m_shownCount < kMaxShownUnits)
        group.m_unitOrder[group.m_shownCount++] = static_cast<std::uint16_t>(euro + 1);
}

} // namespace

RatesUpdateResult ApplyReferenceRates(CConversion& group, const ReferenceRates& rates,
                                      const std::string& source)
{
    RatesUpdateResult result;
    if (group.m_unitCount < 1 || group.m_unitCount > kMaxUnits) {
        result.error = "the Money group has no units";
        return result;
    }
    const std::optional<double> firstPerEuro = PerEuro(group.m_units[0], rates);
    if (!firstPerEuro) {
        const std::optional<std::string> code = CurrencyCode(group.m_units[0]);
        result.error = "the rates document has no rate for " +
                       (code ? *code : "\"" + UnitName(group.m_units[0]) + "\"") + ", the group's first unit";
        return result;
    }

    CConversion updated = group;
    if (!HasEuro(updated) && updated.m_unitCount < kMaxUnits) {
        AddEuro(updated);
        result.euroAdded = true;
    }
    const int n = updated.m_unitCount;
    FactorMatrix& m = updated.m_factors;
    for (int u = 1; u < n; ++u) {
        const std::string& entry = updated.m_units[std::size_t(u)];
        const std::optional<double> perEuro = PerEuro(entry, rates);
        if (!perEuro) {
            result.keptUnits.push_back(entry);
            continue;
        }
        m[std::size_t(u)][0] = *perEuro / *firstPerEuro;
        m[0][std::size_t(u)] = *firstPerEuro / *perEuro;
    }
    for (int r = 1; r < n; ++r)
        FillRowThroughFirstUnit(n, r, m);

    updated.m_updateDate =
        std::to_string(rates.month) + '/' + std::to_string(rates.day) + '/' + std::to_string(rates.year);
    updated.m_remark = "Euro foreign exchange reference rates of the European Central Bank, from " + source;
    group = std::move(updated);
    return result;
}

} // namespace kalvex

namespace kalvex {

RatesUpdateResult UpdateMoneyGroup(CConversion& group, std::string_view document, const std::string& source,
                                   const std::string& factorPath, ISettingsStore& settings,
                                   const IClock& clock)
{
    ReferenceRatesResult parsed = ParseReferenceRates(document);
    if (!parsed.rates) {
        RatesUpdateResult failed;
        failed.error = parsed.error;
        return failed;
    }
    RatesUpdateResult result = ApplyReferenceRates(group, *parsed.rates, source);
    // A unit count of 0 keeps the rates' date rather than stamping today's.
    if (result.error.empty())
        group.Commit(kMoneyGroupId, 0, factorPath, settings, clock);
    return result;
}

} // namespace kalvex
