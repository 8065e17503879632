#include "bench/startup/factor_folder.h"

namespace kalvex::bench {
namespace fs = std::filesystem;

std::optional<fs::path> OfferedFactorFolder(const std::vector<std::string>& asked)
{
    // The probe writes each line break of a message as the two characters "\n".
    static const std::string lead = "factor files will be stored in the directory:\\n\\n";
    static const std::string tail = "\\n\\n";
    for (const std::string& text : asked) {
        const size_t start = text.find(lead);
        if (start == std::string::npos)
            continue;
        const size_t begin = start + lead.size();
        const size_t end = text.find(tail, begin);
        if (end != std::string::npos)
            return fs::path(text.substr(begin, end - begin));
    }
    return std::nullopt;
}

int CountFactorFiles(const fs::path& folder)
{
    std::error_code error;
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".fsf")
            ++count;
    return count;
}

void RemoveFactorFiles(const fs::path& folder)
{
    std::error_code error;
    std::vector<fs::path> doomed;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".fsf")
            doomed.push_back(entry.path());
    for (const fs::path& file : doomed)
        fs::remove(file);
}

} // namespace kalvex::bench
