// Any bytes as the drag transfer file: a list that loads stores itself and loads back the same,
// and a damaged one leaves the list as it was.
#include "ui/controls/str_list.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalvex::CStrList list;
    list.AddTail(QStringLiteral("Conv02 Distance"));
    if (!list.Load(QByteArrayView(data, qsizetype(size)))) {
        if (list.GetCount() != 1)
            __builtin_trap();
        return 0;
    }
    const QByteArray stored = list.Store();
    kalvex::CStrList reloaded;
    if (!reloaded.Load(stored) || reloaded.Store() != stored)
        __builtin_trap();
    return 0;
}
