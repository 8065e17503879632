#include "ui/controls/derive_report.h"

#include "platform/services.h"

#include <optional>

namespace kalvex {

bool DeriveFactorsReporting(int n, FactorMatrix& factors, const std::array<std::string, kMaxUnits>& units,
                            const Services& services)
{
    std::optional<UnitPair> missing;
    {
        BusyScope busy(*services.busy);
        missing = DeriveFactors(n, factors);
    }
    if (!missing)
        return true;
    MessageRequest request;
    request.text = "Could not calculate a factor for converting '" + units[std::size_t(missing->row)] +
                   "' to '" + units[std::size_t(missing->column)] + "'.";
    request.icon = MessageIcon::Warning;
    services.messages->Beep(MessageIcon::Warning);
    services.messages->Show(request);
    return false;
}

} // namespace kalvex
