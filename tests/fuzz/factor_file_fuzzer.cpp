// Any bytes as a factor file: reading never escapes the record, and whatever loads is
// written and read back to the same bytes.
#include "core/conversion.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalvex::CConversion group;
    if (!group.Deserialize({reinterpret_cast<const char*>(data), size}))
        return 0;
    const std::string saved = group.Serialize();
    kalvex::CConversion reloaded;
    if (!reloaded.Deserialize(saved) || reloaded.Serialize() != saved)
        __builtin_trap();
    return 0;
}
