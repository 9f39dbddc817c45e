// Writing the summary with fixed decimals, so the same summary is always the same bytes.

#include "tolerance/ToleranceReport.h"

#include <cmath>
#include <cstdio>

namespace lm {

namespace {

std::string Fixed(double v, int decimals) {
    if (!std::isfinite(v)) return "null";
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// A fraction of the samples: a single sample in ten million must still show.
std::string Fraction(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    return buf;
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string CsvCell(const std::string& json) { return json == "null" ? "" : json; }

}  // namespace

std::string StudyValueText(int event, double value) {
    return Fixed(value, IsLengthStudyEvent(event) ? 5 : 3);
}

std::string ShareText(double share) { return Fixed(share, 4); }

std::string ToleranceJson(const StudyPlan& plan, const ToleranceSummary& summary) {
    std::string out = "{\"samples\": " + std::to_string(plan.Samples) + ", \"seed\": " + std::to_string(plan.Seed) +
                      ", \"results\": [";
    bool first = true;
    for (std::size_t s = 0; s < plan.Settings.size(); ++s)
        for (int e = 0; e < kStudyEventCount; ++e) {
            const EventStatistics& r = summary.At(s, e);
            out += first ? "\n" : ",\n";
            first = false;
            out += "{\"setting\": " + Quoted(plan.Settings[s].Setting.Label) +
                   ", \"reverser\": " + Fixed(plan.Settings[s].Reverser, 5) + ", \"event\": " +
                   Quoted(std::string(StudyEventName(e))) + ", \"unit\": " +
                   Quoted(std::string(StudyEventUnit(e))) + ", \"nominal\": " + StudyValueText(e, r.Nominal) +
                   ", \"p1\": " + StudyValueText(e, r.P1) + ", \"p50\": " + StudyValueText(e, r.P50) +
                   ", \"p99\": " + StudyValueText(e, r.P99) + ", \"worst\": " + StudyValueText(e, r.Worst) +
                   ", \"unassembled\": " + Fraction(r.Unassembled) + ", \"absent\": " + Fraction(r.Absent) +
                   ", \"explained\": " + ShareText(r.Explained) + ", \"shares\": [";
            for (std::size_t k = 0; k < r.Shares.size(); ++k)
                out += (k ? ", " : "") + std::string("{\"name\": ") +
                       Quoted(plan.Sources[static_cast<std::size_t>(r.Shares[k].Source)]) +
                       ", \"share\": " + ShareText(r.Shares[k].Share) + "}";
            out += "]}";
        }
    return out + "\n]}\n";
}

std::string ToleranceCsv(const StudyPlan& plan, const ToleranceSummary& summary) {
    std::string out = "setting,reverser,event,unit,nominal,p1,p50,p99,worst,unassembled,absent,explained";
    for (const std::string& source : plan.Sources) out += "," + source;
    out += "\n";
    for (std::size_t s = 0; s < plan.Settings.size(); ++s)
        for (int e = 0; e < kStudyEventCount; ++e) {
            const EventStatistics& r = summary.At(s, e);
            out += plan.Settings[s].Setting.Label + "," + Fixed(plan.Settings[s].Reverser, 5) + "," +
                   std::string(StudyEventName(e)) + "," + std::string(StudyEventUnit(e));
            for (double v : {static_cast<double>(r.Nominal), r.P1, r.P50, r.P99, r.Worst})
                out += "," + CsvCell(StudyValueText(e, v));
            out += "," + Fraction(r.Unassembled) + "," + Fraction(r.Absent) + "," + CsvCell(ShareText(r.Explained));
            std::vector<double> bySource(plan.Sources.size(), NAN);
            for (const ShareOfVariance& share : r.Shares) bySource[static_cast<std::size_t>(share.Source)] = share.Share;
            for (double share : bySource) out += "," + CsvCell(ShareText(share));
            out += "\n";
        }
    return out;
}

}  // namespace lm
