// The pivots command: the tracked pivots' positions over one revolution.

#include "cli/PivotsCommand.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cli/Json.h"
#include "kinematics/RevolutionSweep.h"

namespace lm::cli {

namespace {

constexpr float kTableStep = 10;

std::vector<int> TrackedPivots(const std::string& list) {
    std::vector<int> pivots;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const double n = NumberOption("track", item);
        if (n != std::floor(n) || n < 0 || n >= kPivotCount)
            throw UsageError("--track: '" + item + "' is not a pivot number 0.." + std::to_string(kPivotCount - 1));
        pivots.push_back(static_cast<int>(n));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return pivots;
}

// A CSV cell is left empty where JSON would say null.
std::string Cell(double v) {
    const std::string t = JsonNumber(v);
    return t == "null" ? std::string() : t;
}

}  // namespace

void RunPivots(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"track", "step", "csv"});
    const auto track = args.Last("track");
    if (!track) throw UsageError("pivots needs --track N[,N...]");
    const std::vector<int> pivots = TrackedPivots(*track);
    float step = kTableStep;
    if (const auto s = args.Last("step")) {
        const double typed = NumberOption("step", *s);
        if (typed < 0) throw UsageError("--step must not be negative");
        // Held inside the single range, so a huge step stays huge rather than infinite.
        step = static_cast<float>(std::min(typed, 1e30));
    }
    step = TableStep(step);
    const std::size_t angles = RevolutionRowCount(step);
    const std::size_t positions = angles * pivots.size();
    if (positions > static_cast<std::size_t>(kMostPrintedRows))
        throw UsageError("--track and --step give " + std::to_string(positions) + " pivot positions (" +
                         std::to_string(angles) + " angles, " + std::to_string(pivots.size()) +
                         " pivots), more than " + std::to_string(kMostPrintedRows));

    const bool csv = args.Has("csv");
    if (csv) {
        out << "DriverAngle";
        for (int n : pivots) out << ",P" << n << ".X,P" << n << ".Y";
        out << '\n';
    } else {
        std::string head = JsonObject().Number("RevArmPos", m.Gear.RevArmPos).Number("Step", step).Text();
        head.pop_back();  // the rows follow inside the same object
        out << head;
    }
    bool first = true;
    SweepRevolution(m, step, [&] {
        if (csv) {
            out << Cell(m.Gear.DriverAngle);
            for (int n : pivots) out << ',' << Cell(m.P(n).X) << ',' << Cell(m.P(n).Y);
            out << '\n';
            return;
        }
        std::string list;
        for (int n : pivots) {
            if (!list.empty()) list += ", ";
            list += JsonObject().Number("pivot", n).Number("X", m.P(n).X).Number("Y", m.P(n).Y).Text();
        }
        out << (first ? ", \"rows\": [\n" : ",\n")
            << JsonObject().Number("DriverAngle", m.Gear.DriverAngle).Raw("pivots", "[" + list + "]").Text();
        first = false;
    });
    if (!csv) out << "\n]}\n";
}

}  // namespace lm::cli
