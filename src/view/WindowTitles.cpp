// The six window titles from the set's name, the date and the time.

#include "view/WindowTitles.h"

#include <ctime>

#include "common/Version.h"

namespace lm {

namespace {

std::string FormatNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return {};
    char buf[128];
    const std::size_t n = std::strftime(buf, sizeof buf, format, &local);
    return std::string(buf, n);
}

}  // namespace

std::array<std::string, kTitleCount> BuildWindowTitles(const std::string& setName, const std::string& date,
                                                       const std::string& time) {
    const std::string tail = setName + "     " + date + "   " + time + "   Version " + std::string(kVersion);
    std::array<std::string, kTitleCount> t;
    t[MainTitle] = "LINKMOTION Inside Admission            " + tail;
    t[SineTitle] = "LINKMOTION Inside Admission      Sine Diagram    " + tail;
    t[OvalTitle] = "LINKMOTION Inside Admission      Oval Diagram    " + tail;
    t[SteamTitle] = "LINKMOTION Inside Admission      Steam Diagram    " + tail;
    t[PortTitle] = "LINKMOTION Inside Admission      Port Open/Closed    " + tail;
    t[DataTableTitle] = "LINKMOTION Inside Admission  Data Table  " + tail;
    return t;
}

std::string ShortDateNow() { return FormatNow("%x"); }
std::string LongTimeNow() { return FormatNow("%X"); }

}  // namespace lm
