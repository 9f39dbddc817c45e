// The titles of the main window and the windows it opens.

#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace lm {

// The six window titles, rebuilt by every tick; each window applies its own.
enum TitleIndex : std::size_t {
    MainTitle,
    SineTitle,
    OvalTitle,
    SteamTitle,
    PortTitle,
    DataTableTitle,
    kTitleCount
};

// The six titles for a set's name, a date and a time as the platform shows them.
std::array<std::string, kTitleCount> BuildWindowTitles(const std::string& setName, const std::string& date,
                                                       const std::string& time);

// Now, in the platform's short date and long time formats.
std::string ShortDateNow();
std::string LongTimeNow();

}  // namespace lm
