// A gear's events at one setting: the exact events of the valve-events table's row for
// that arm position.

#include "tolerance/SampleEvents.h"

#include <cmath>
#include <limits>

#include "workbench/ExactEvents.h"
#include "workbench/ValveEvents.h"

namespace lm {

std::string_view StudyEventName(int event) { return ValveEventName(static_cast<ValveEvent>(event)); }
bool IsLengthStudyEvent(int event) { return IsLengthEvent(static_cast<ValveEvent>(event)); }
std::string_view StudyEventUnit(int event) { return IsLengthStudyEvent(event) ? "length" : "percent"; }

SettingEvents EventsAtSetting(const Model& gear, const StudySetting& setting, char graph) {
    const ValveEventRow row = ExactEventsOfRow(gear, graph, StudyArmPosition(gear, setting));
    SettingEvents out;
    out.Assembled = !gear.Gear.GearError && !row.GearError;
    for (int e = 0; e < kStudyEventCount; ++e) {
        const auto v = row.Values[static_cast<std::size_t>(e)];
        out.Values[static_cast<std::size_t>(e)] =
            out.Assembled && v ? static_cast<float>(*v) : std::numeric_limits<float>::quiet_NaN();
    }
    return out;
}

}  // namespace lm
