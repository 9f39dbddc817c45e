// The one place a tolerance study asks a gear for its valve events.

#pragma once

#include <array>
#include <string_view>

#include "model/Model.h"
#include "tolerance/StudySettings.h"
#include "workbench/ValveEvents.h"

namespace lm {

// The valve-events table's events, in its order.
inline constexpr int kStudyEventCount = kValveEventCount;

// Named as the valve-events table names them ("FrontCutOff").
std::string_view StudyEventName(int event);
// "length" or "percent" (of stroke).
std::string_view StudyEventUnit(int event);
bool IsLengthStudyEvent(int event);

struct SettingEvents {
    // Every step of the revolution could be solved without clamping anything.
    bool Assembled = false;
    // NaN where the event does not occur (and everywhere when not assembled).
    std::array<float, kStudyEventCount> Values{};
};

// The events of a gear as built (mid gear already found on it) at one setting, turning
// the way the port diagram's graph through that setting turns ('F' or 'R'). A gear whose
// GearError is up (its mid gear could not be found) is not assembled anywhere.
SettingEvents EventsAtSetting(const Model& gear, const StudySetting& setting, char graph);

}  // namespace lm
