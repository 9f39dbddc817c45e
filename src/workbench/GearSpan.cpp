// Reverser settings and ranges of the table's rows, as the fit's goals name them.

#include "workbench/GearSpan.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/MessageText.h"
#include "diagrams/PortSweep.h"

namespace lm {

namespace {

// The settings in the order the reverser passes them.
constexpr std::array<GearPosition, 5> kAlongReverser = {GearPosition::FullReverse, GearPosition::Reverse,
                                                        GearPosition::Mid, GearPosition::Forward,
                                                        GearPosition::FullForward};
constexpr int kMidPlace = 2;

int Place(GearPosition g) {
    return static_cast<int>(std::find(kAlongReverser.begin(), kAlongReverser.end(), g) - kAlongReverser.begin());
}

float ArmAt(const Model& m, GearPosition g) {
    Model copy = m;
    MoveToGearPosition(copy, g);
    return copy.Gear.RevArmPos;
}

// A row's arm may differ from the setting's by the last bits of a single.
constexpr double kSameArm = 1e-4;  // of the graph's reach

void AddRows(const Model& m, char graph, float a, float b, std::vector<SpanRow>& out) {
    const std::vector<float> positions = PortRowPositions(m, graph);
    const double reach = std::fabs(static_cast<double>(positions.back()) - positions.front());
    const double slack = kSameArm * (reach > 0 && std::isfinite(reach) ? reach : 1.0);
    const double lo = std::min<double>(a, b) - slack, hi = std::max<double>(a, b) + slack;
    for (std::size_t i = 0; i < positions.size(); ++i)
        if (positions[i] >= lo && positions[i] <= hi) out.push_back({graph, positions[i], static_cast<int>(i)});
}

}  // namespace

std::string ParseGearSpan(std::string_view text, GearSpan& out) {
    const auto dots = text.find("..");
    const auto read = [](std::string_view name, GearPosition& g) {
        const std::optional<GearPosition> p = ParseGearPosition(name);
        if (p) g = *p;
        return p.has_value();
    };
    const std::string expected = "expected mid, fwd, rev, full-fwd or full-rev";
    if (dots == std::string_view::npos) {
        if (!read(text, out.From)) return QuoteForMessage(text) + " is no gear position (" + expected + ")";
        out.To = out.From;
        out.Range = false;
        return {};
    }
    const std::string_view from = text.substr(0, dots), to = text.substr(dots + 2);
    if (!read(from, out.From)) return "the range " + QuoteForMessage(text) + " starts at " + QuoteForMessage(from) + ", " + expected;
    if (!read(to, out.To)) return "the range " + QuoteForMessage(text) + " ends at " + QuoteForMessage(to) + ", " + expected;
    if (Place(out.From) > Place(out.To))
        return "the range " + QuoteForMessage(text) + " runs the wrong way: a range runs full-rev, rev, mid, fwd, full-fwd, so write " +
               std::string(to) + ".." + std::string(from);
    out.Range = true;
    return {};
}

std::string GearSpanText(const GearSpan& s) {
    std::string t(GearPositionName(s.From));
    if (s.Range) t += ".." + std::string(GearPositionName(s.To));
    return t;
}

std::string GearSpanWords(const GearSpan& s) {
    if (!s.Range) return std::string(GearPositionWords(s.From));
    return "the rows from " + std::string(GearPositionWords(s.From)) + " to " + std::string(GearPositionWords(s.To));
}

std::vector<SpanRow> SpanRows(const Model& m, const GearSpan& s) {
    if (!s.Range) return {{GraphFor(s.From), ArmAt(m, s.From), -1}};
    std::vector<SpanRow> rows;
    // The forward graph holds mid gear and the settings forward of it, the reverse graph
    // mid gear and those behind it.
    if (Place(s.To) >= kMidPlace)
        AddRows(m, 'F', ArmAt(m, Place(s.From) > kMidPlace ? s.From : GearPosition::Mid), ArmAt(m, s.To), rows);
    if (Place(s.From) <= kMidPlace)
        AddRows(m, 'R', ArmAt(m, s.From), ArmAt(m, Place(s.To) < kMidPlace ? s.To : GearPosition::Mid), rows);
    return rows;
}

bool SpanHolds(const std::vector<SpanRow>& rows, char graph, float revArmPos) {
    return std::any_of(rows.begin(), rows.end(), [&](const SpanRow& r) {
        return r.Graph == graph && std::fabs(static_cast<double>(r.RevArmPos) - revArmPos) <=
                                       kSameArm * std::max(1.0, std::fabs(static_cast<double>(revArmPos)));
    });
}

}  // namespace lm
