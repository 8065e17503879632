// Any bytes as an SZDD source of a factor file copy: libmspack expands it within the cap and
// never reads or writes outside what it was given.
#include "platform/posix/lz_file_copier.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr std::uintmax_t kCap = 1 << 16;
constexpr std::string_view kMagic("SZDD\x88\xF0\x27\x33", 8);

void Expand(std::string_view compressed)
{
    const auto expanded = kalvex::ExpandSzdd(compressed, kCap);
    if (expanded && expanded->size() > kCap)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Expand(input);
    // Most random inputs lack the signature; give every one a chance past the header check.
    if (!input.starts_with(kMagic))
        Expand(std::string(kMagic) + std::string(input));
    return 0;
}
