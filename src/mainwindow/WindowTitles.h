// The titles of the main window and the windows it opens.

#pragma once

#include <array>
#include <string>

#include "mainwindow/MainWindowState.h"

namespace lm {

// The six titles for a set's name, a date and a time as the platform shows them.
std::array<std::string, kTitleCount> BuildWindowTitles(const std::string& setName, const std::string& date,
                                                       const std::string& time);

// Now, in the platform's short date and long time formats.
std::string ShortDateNow();
std::string LongTimeNow();

// The six window titles into state.Titles, from the set's name and the clock.
void UpdateWindowTitles(const Model& m, MainWindowState& state);

}  // namespace lm
