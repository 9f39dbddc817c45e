// The valve-events table's cells and delimited text.

#include "workbench/ValveEventsText.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>

#include "common/Numbers.h"
#include "model/DimensionTable.h"

namespace lm {

namespace {

std::string Exact(const std::optional<double>& v) {
    if (!v || !std::isfinite(*v)) return {};
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.9g", *v);
    return buf;
}

}  // namespace

std::string ColumnNumber(const ValveEventColumn& c, const std::optional<double>& v, EventMethod method) {
    if (method == EventMethod::Diagram || !v || !std::isfinite(*v)) return Exact(v);
    return FixedText(*v, c.Decimals);
}

std::string EventCellText(ValveEvent e, const std::optional<double>& value) {
    if (!value || !std::isfinite(*value)) return {};
    return FixedText(*value, IsLengthEvent(e) ? 3 : 1);
}

std::string DifferenceCellText(int pair, const std::optional<double>& value) {
    return EventCellText(static_cast<ValveEvent>(2 * pair), value);
}

const std::vector<ValveEventColumn>& ValveEventColumns() {
    static const std::vector<ValveEventColumn> columns = [] {
        std::vector<ValveEventColumn> c;
        for (int e = 0; e < kValveEventCount; ++e) {
            const auto event = static_cast<ValveEvent>(e);
            c.push_back({std::string(ValveEventName(event)), IsLengthEvent(event) ? "length" : "% of stroke",
                         [](const ValveEventRow& r, int i) { return r.Values[static_cast<std::size_t>(i)]; }, e,
                         IsLengthEvent(event) ? 5 : 3});
        }
        for (int p = 0; p < kValveEventPairCount; ++p)
            c.push_back({std::string(ValveEventPairName(p)) + "Difference", p < 2 ? "length" : "% of stroke",
                         [](const ValveEventRow& r, int i) { return r.Difference(i); }, p, p < 2 ? 5 : 3});
        for (int k = 0; k < kTimedEventCount; ++k)
            c.push_back({std::string(ValveEventName(static_cast<ValveEvent>(kFirstTimedEvent + k))) + "Crank",
                         "degrees", [](const ValveEventRow& r, int i) { return r.Crank[static_cast<std::size_t>(i)]; },
                         k, 3});
        for (int end = 0; end < 2; ++end)
            c.push_back({end == 0 ? "FrontOverTravel" : "RearOverTravel", "length",
                         [](const ValveEventRow& r, int i) { return r.OverTravel[static_cast<std::size_t>(i)]; }, end,
                         5});
        for (int end = 0; end < 2; ++end)
            c.push_back({end == 0 ? "FrontFullOpenDeg" : "RearFullOpenDeg", "degrees",
                         [](const ValveEventRow& r, int i) { return r.FullOpenDeg[static_cast<std::size_t>(i)]; }, end,
                         2});
        return c;
    }();
    return columns;
}

std::string ValveEventsDelimited(const ValveEventsTable& table, char separator) {
    std::string out = "graph";
    out += separator;
    out += "row";
    out += separator;
    out += "RevArmPos";
    for (const ValveEventColumn& c : ValveEventColumns()) (out += separator) += c.Name;
    (out += separator) += "GearError";
    out += '\n';
    for (const auto& [graph, rows] : {std::pair{'F', &table.Forward}, std::pair{'R', &table.Reverse}})
        for (const ValveEventRow& row : *rows) {
            out += graph;
            (out += separator) += std::to_string(row.Row);
            (out += separator) += Exact(row.RevArmPos);
            for (const ValveEventColumn& c : ValveEventColumns())
                (out += separator) += ColumnNumber(c, c.Get(row, c.Index), table.Method);
            (out += separator) += row.GearError ? "true" : "false";
            out += '\n';
        }
    return out;
}

std::vector<ValveEventRow> ValveEventRowDifferences(const std::vector<ValveEventRow>& a,
                                                    const std::vector<ValveEventRow>& b) {
    const auto minus = [](const std::optional<double>& x, const std::optional<double>& y) -> std::optional<double> {
        if (!x || !y) return std::nullopt;
        return *y - *x;
    };
    std::vector<ValveEventRow> out;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        ValveEventRow d;
        d.Row = b[i].Row;
        d.RevArmPos = static_cast<float>(static_cast<double>(b[i].RevArmPos) - a[i].RevArmPos);
        for (std::size_t k = 0; k < d.Values.size(); ++k) d.Values[k] = minus(a[i].Values[k], b[i].Values[k]);
        for (std::size_t k = 0; k < d.Crank.size(); ++k) d.Crank[k] = minus(a[i].Crank[k], b[i].Crank[k]);
        for (std::size_t k = 0; k < 2; ++k) {
            d.OverTravel[k] = minus(a[i].OverTravel[k], b[i].OverTravel[k]);
            d.FullOpenDeg[k] = minus(a[i].FullOpenDeg[k], b[i].FullOpenDeg[k]);
        }
        d.FrontDeadCentre = b[i].FrontDeadCentre - a[i].FrontDeadCentre;
        d.RearDeadCentre = b[i].RearDeadCentre - a[i].RearDeadCentre;
        d.GearError = a[i].GearError || b[i].GearError;
        out.push_back(d);
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
