// Any typed text: parsing reads only the working buffer, and every value it gives formats.
#include "core/number_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = kalvex::ParseEntry(text);
    for (int digits = 3; digits <= 13; ++digits) {
        if (kalvex::FormatResult(value, digits, false).empty() ||
            kalvex::FormatResult(value, digits, true).empty())
            __builtin_trap();
    }
    if (kalvex::ShortForm(value, 7).empty() || kalvex::ShortForm(value, 10).empty())
        __builtin_trap();
    // Without a comma a text reads as it always did, whatever the decimal separator.
    for (char separator : {'.', ','}) {
        const kalvex::EntryReading reading = kalvex::ReadEntry(text, separator);
        const bool same = reading.value == value || (std::isnan(value) && std::isnan(reading.value));
        if (text.find(',') == std::string_view::npos && !(reading.problem.empty() && same))
            __builtin_trap();
    }
    // A finite result written in full reads back as the same value.
    if (std::isfinite(value) && kalvex::ParseEntry(kalvex::FormatResult(value, 17, true)) != value)
        __builtin_trap();
    return 0;
}
