// The valve-events table's cells and delimited text.

#include "workbench/ValveEventsText.h"

#include <bit>
#include <cmath>
#include <cstdio>

#include "common/Numbers.h"
#include "model/DimensionTable.h"

namespace lm {

namespace {

std::string Fixed(double v, int decimals) {
    const std::string s = FormatFixed(v, 1, decimals);
    const auto first = s.find_first_not_of(' ');
    std::string t = first == std::string::npos ? s : s.substr(first);
    // A tiny negative difference rounds to "-0.0", which reads as a sign that is not there.
    if (t.front() == '-' && t.find_first_not_of("-0.") == std::string::npos) t.erase(0, 1);
    return t;
}

std::string Exact(const std::optional<double>& v) {
    if (!v || !std::isfinite(*v)) return {};
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.9g", *v);
    return buf;
}

}  // namespace

std::string EventCellText(ValveEvent e, const std::optional<double>& value) {
    if (!value || !std::isfinite(*value)) return {};
    return Fixed(*value, IsLengthEvent(e) ? 3 : 1);
}

std::string DifferenceCellText(int pair, const std::optional<double>& value) {
    return EventCellText(static_cast<ValveEvent>(2 * pair), value);
}

std::string ValveEventsDelimited(const ValveEventsTable& table, char separator) {
    std::string out = "graph";
    out += separator;
    out += "row";
    out += separator;
    out += "RevArmPos";
    for (int e = 0; e < kValveEventCount; ++e) (out += separator) += ValveEventName(static_cast<ValveEvent>(e));
    for (int p = 0; p < kValveEventPairCount; ++p)
        ((out += separator) += ValveEventPairName(p)) += "Difference";
    out += '\n';
    for (const auto& [graph, rows] : {std::pair{'F', &table.Forward}, std::pair{'R', &table.Reverse}})
        for (const ValveEventRow& row : *rows) {
            out += graph;
            (out += separator) += std::to_string(row.Row);
            (out += separator) += Exact(row.RevArmPos);
            for (const auto& v : row.Values) (out += separator) += Exact(v);
            for (int p = 0; p < kValveEventPairCount; ++p) (out += separator) += Exact(row.Difference(p));
            out += '\n';
        }
    return out;
}

ValveEventsInputs ValveEventsInputsOf(const Model& m) {
    ValveEventsInputs in;
    for (const DimensionInfo& d : AllDimensions()) in.Bits.push_back(std::bit_cast<std::uint32_t>(GetDimension(m, d)));
    in.Bits.push_back(std::bit_cast<std::uint32_t>(m.Gear.RevArmCenter));
    in.Bits.push_back(std::bit_cast<std::uint32_t>(m.Frame.RevArmCentMax));
    return in;
}

}  // namespace lm
