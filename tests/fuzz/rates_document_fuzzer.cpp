// Any bytes as a downloaded rates document: reading never crashes, a document either fails with
// a reason or gives a real date and positive finite rates, and the Money group it updates keeps
// a usable record.
#include "core/conversion.h"
#include "storage/rates_update.h"
#include "storage/reference_rates.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const kalvex::ReferenceRatesResult result =
        kalvex::ParseReferenceRates({reinterpret_cast<const char*>(data), size});
    if (!result.rates) {
        if (result.error.empty())
            __builtin_trap();
        return 0;
    }
    const kalvex::ReferenceRates& rates = *result.rates;
    if (rates.month < 1 || rates.month > 12 || rates.day < 1 || rates.day > 31)
        __builtin_trap();
    for (const auto& [code, rate] : rates.perEuro) {
        if (code.size() != 3 || !std::isfinite(rate) || rate <= 0.0)
            __builtin_trap();
    }
    kalvex::CConversion group;
    group.m_unitCount = 2;
    group.m_units[0] = "US dollar,$";
    group.m_units[1] = "Norwegian krone,NOK";
    group.m_factors[1][1] = 1.0;
    kalvex::ApplyReferenceRates(group, rates, "fuzz");
    kalvex::CConversion reloaded;
    if (!reloaded.Deserialize(group.Serialize()))
        __builtin_trap();
    return 0;
}
