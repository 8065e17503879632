#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace kalvex::bench {

// What one probed start of a program showed.
struct StartReport {
    bool shown = false;
    double shownMilliseconds = 0;   // from just before the process was spawned
    long residentKilobytes = 0;     // when the main window had painted
    std::vector<std::string> asked; // message box texts the probe answered, in order
    std::string otherOutput;        // everything else the program printed, for diagnosis
    int exitStatus = -1;            // -1 when it did not end normally
};

// Starts program in workDir with exactly the given environment, reads the probe's lines until
// the program ends, and kills it after timeout.
StartReport RunProbedStart(const std::filesystem::path& program, const std::vector<std::string>& environment,
                           const std::filesystem::path& workDir, std::chrono::seconds timeout);

} // namespace kalvex::bench
