#include "storage/rates_update.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/currencies.h"
#include "storage/factor_file.h"
#include "storage/factor_soundness.h"

#include <algorithm>
#include <set>

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

std::set<std::string> HeldCodes(const CConversion& group)
{
    std::set<std::string> codes;
    for (int u = 0; u < group.m_unitCount; ++u)
        if (const std::optional<std::string> code = CurrencyCode(group.m_units[std::size_t(u)]))
            codes.insert(*code);
    return codes;
}

// The rates' currencies in the order the reference rates list them.
std::vector<std::string> QuotedCodes(const ReferenceRates& rates)
{
    std::vector<std::string> codes;
    for (const auto& quote : rates.perEuro)
        codes.push_back(quote.first);
    std::ranges::stable_sort(codes, {}, [](const std::string& code) { return ListingRank(code); });
    return codes;
}

// A unit with no factors yet, set with the others' later; `shown` also adds it to the units the
// conversion window lists.
void AddUnit(CConversion& group, const std::string& entry, bool shown)
{
    const int unit = group.m_unitCount;
    group.m_units[std::size_t(unit)] = entry;
    group.m_factors[std::size_t(unit)][std::size_t(unit)] = 1.0;
    ++group.m_unitCount;
    if (shown && !group.m_showAll && group.m_shownCount < kMaxShownUnits)
        group.m_unitOrder[group.m_shownCount++] = static_cast<std::uint16_t>(unit + 1);
}

// Adds the euro, shown, then every other currency of the rates that the group lacks, while it
// has room.
void AddMissingCurrencies(CConversion& group, const ReferenceRates& rates, RatesUpdateResult& result)
{
    const std::set<std::string> held = HeldCodes(group);
    if (!held.contains(kEuroCode) && group.m_unitCount < kMaxUnits) {
        AddUnit(group, kEuroUnitEntry, true);
        result.euroAdded = true;
    }
    for (const std::string& code : QuotedCodes(rates)) {
        if (held.contains(code))
            continue;
        if (group.m_unitCount >= kMaxUnits) {
            result.codesWithoutRoom.push_back(code);
            continue;
        }
        AddUnit(group, CurrencyUnitEntry(code), false);
        result.addedUnits.push_back(group.m_units[std::size_t(group.m_unitCount - 1)]);
    }
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
    AddMissingCurrencies(updated, rates, result);
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
    // Each rate is sound on its own, yet two far apart can give a pair no double holds.
    if (const std::optional<std::string> problem = UnsoundFactorsText(updated, false)) {
        RatesUpdateResult refused;
        refused.error = "with these rates " + *problem;
        return refused;
    }

    updated.m_updateDate =
        std::to_string(rates.month) + '/' + std::to_string(rates.day) + '/' + std::to_string(rates.year);
    updated.m_remark = "Euro foreign exchange reference rates of the European Central Bank, from " + source;
    group = std::move(updated);
    return result;
}

} // namespace kalvex

namespace kalvex {

RatesUpdateResult UpdateMoneyGroup(CConversion& group, std::string_view document, const std::string& source,
                                   const std::string& factorPath, const Services& services,
                                   const std::function<bool()>& cancelled)
{
    ReferenceRatesResult parsed = ParseReferenceRates(document);
    RatesUpdateResult result;
    CConversion updated = group;
    if (parsed.rates)
        result = ApplyReferenceRates(updated, *parsed.rates, source);
    else
        result.error = parsed.error;
    // The last moment a Cancel can take effect: nothing is written yet.
    if (cancelled && cancelled()) {
        RatesUpdateResult stopped;
        stopped.cancelled = true;
        return stopped;
    }
    if (!result.error.empty())
        return result;
    // A unit count of 0 keeps the rates' date rather than stamping today's.
    const SaveStatus saved = CommitGroup(updated, kMoneyId, 0, factorPath, services);
    if (saved != SaveStatus::Saved) {
        RatesUpdateResult unsaved;
        unsaved.error = "the Money group could not be saved to " + FactorFileName(factorPath, kMoneyId) +
                        (saved == SaveStatus::ReadOnly ? " (the file is read-only)"
                                                       : " (the folder may be read-only or the disk full)");
        return unsaved;
    }
    group = std::move(updated);
    return result;
}

} // namespace kalvex
