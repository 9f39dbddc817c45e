#pragma once

// This process's memory as the kernel counts it, for the long runs that must stay flat.

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace lm::test {

// A "Name:   1234 kB" line of /proc/self/status in kB; -1 where there is none.
inline long StatusKb(std::string_view name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.size() > name.size() && line.compare(0, name.size(), name) == 0 && line[name.size()] == ':')
            return std::atol(line.c_str() + name.size() + 1);
    return -1;
}

inline long ResidentKb() { return StatusKb("VmRSS"); }
inline long PeakResidentKb() { return StatusKb("VmHWM"); }

}  // namespace lm::test
