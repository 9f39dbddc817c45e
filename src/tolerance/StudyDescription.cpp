// Checking a study and reading and writing it as JSON (nlohmann's JSON for Modern C++).

#include "tolerance/StudyDescription.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "common/AtomicFile.h"
#include "model/DimensionTable.h"
#include "tolerance/PinJoints.h"
#include "tolerance/StudySettings.h"

namespace lm {

namespace {

using Json = nlohmann::ordered_json;

// A study file is a few hundred bytes; anything this large is not one.
constexpr std::uintmax_t kMaxStudyFileBytes = 1 << 20;

std::string Number(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

std::string CheckTolerance(const std::string& entry, double t) {
    if (!std::isfinite(t)) return entry + ": the tolerance must be a finite number";
    if (t < 0) return entry + ": the tolerance " + Number(t) + " is negative";
    if (t > kMaxTolerance) return entry + ": the tolerance " + Number(t) + " is above " + Number(kMaxTolerance);
    return {};
}

// Keys seen in each object being read, so that a name given twice is an error rather
// than the later one silently winning.
struct DuplicateKeys {
    std::vector<std::set<std::string>> open;
    std::string first;

    bool operator()(int, nlohmann::detail::parse_event_t event, Json& parsed) {
        using E = nlohmann::detail::parse_event_t;
        if (event == E::object_start) open.emplace_back();
        else if (event == E::object_end && !open.empty()) open.pop_back();
        else if (event == E::key && !open.empty() && !open.back().insert(parsed.get<std::string>()).second &&
                 first.empty())
            first = parsed.get<std::string>();
        return true;
    }
};

std::string ReadTolerance(const std::string& entry, const Json& v, double& out) {
    if (!v.is_number()) return entry + ": expected a number";
    out = v.get<double>();
    return CheckTolerance(entry, out);
}

std::string ReadCount(const std::string& entry, const Json& v, std::uint64_t& out) {
    // The reader keeps every whole number from 0 up as unsigned.
    if (!v.is_number_unsigned()) return entry + ": expected a whole number, not negative";
    out = v.get<std::uint64_t>();
    return {};
}

std::string ReadPivot(const std::string& key, int& pivot) {
    if (key.empty() || key.size() > 3 || key.find_first_not_of("0123456789") != std::string::npos)
        return "clearances: '" + key + "' is not a pivot number";
    pivot = std::stoi(key);
    return {};
}

std::string Apply(const Json& j, ToleranceStudy& s) {
    if (!j.is_object()) return "a study is a JSON object, {\"tolerances\": {...}, ...}";
    for (const auto& [key, v] : j.items()) {
        std::string error;
        if (key == "samples") {
            error = ReadCount("samples", v, s.Samples);
        } else if (key == "seed") {
            error = ReadCount("seed", v, s.Seed);
        } else if (key == "distribution") {
            if (v == "uniform") s.Shape = Spread::Uniform;
            else if (v == "normal") s.Shape = Spread::Normal;
            else error = "distribution: expected \"uniform\" or \"normal\"";
        } else if (key == "defaultLength") {
            error = ReadTolerance("defaultLength", v, s.DefaultLength);
        } else if (key == "defaultAngle") {
            error = ReadTolerance("defaultAngle", v, s.DefaultAngle);
        } else if (key == "tolerances") {
            if (!v.is_object()) return "tolerances: expected an object of dimension names and tolerances";
            for (const auto& [name, t] : v.items()) {
                double value = 0;
                if (!FindDimension(name)) return "tolerances: unknown dimension '" + name + "'";
                if (error = ReadTolerance("tolerances: " + name, t, value); !error.empty()) return error;
                s.SetTolerance(name, value);
            }
        } else if (key == "clearances") {
            if (!v.is_object()) return "clearances: expected an object of pivot numbers and clearances";
            for (const auto& [pivotText, c] : v.items()) {
                int pivot = 0;
                double value = 0;
                if (error = ReadPivot(pivotText, pivot); !error.empty()) return error;
                if (error = ReadTolerance("clearances: pivot " + pivotText, c, value); !error.empty()) return error;
                s.SetClearance(pivot, value);
            }
        } else if (key == "settings") {
            if (!v.is_array()) return "settings: expected a list such as [\"mid\", \"fwd\", \"rev\"]";
            s.Settings.clear();
            for (const Json& item : v) {
                if (!item.is_string()) return "settings: every entry must be a text such as \"fwd\"";
                s.Settings.push_back(item.get<std::string>());
            }
        } else {
            return "unknown entry '" + key + "' (entries: samples, seed, distribution, defaultLength, defaultAngle, "
                   "tolerances, clearances, settings)";
        }
        if (!error.empty()) return error;
    }
    return {};
}

}  // namespace

void ToleranceStudy::SetTolerance(const std::string& name, double tolerance) {
    for (auto& [n, t] : Tolerances)
        if (n == name) {
            t = tolerance;
            return;
        }
    Tolerances.emplace_back(name, tolerance);
}

void ToleranceStudy::SetClearance(int pivot, double clearance) {
    for (auto& [p, c] : Clearances)
        if (p == pivot) {
            c = clearance;
            return;
        }
    Clearances.emplace_back(pivot, clearance);
}

std::string CheckStudy(const ToleranceStudy& s) {
    if (s.Samples == 0 || s.Samples > kMaxStudySamples)
        return "samples: " + std::to_string(s.Samples) + " is not from 1 to " + std::to_string(kMaxStudySamples);
    if (auto e = CheckTolerance("defaultLength", s.DefaultLength); !e.empty()) return e;
    if (auto e = CheckTolerance("defaultAngle", s.DefaultAngle); !e.empty()) return e;
    for (const auto& [name, t] : s.Tolerances) {
        if (!FindDimension(name)) return "tolerances: unknown dimension '" + name + "'";
        if (auto e = CheckTolerance("tolerances: " + name, t); !e.empty()) return e;
    }
    for (const auto& [pivot, c] : s.Clearances) {
        if (!FindPinJoint(pivot))
            return "clearances: pivot " + std::to_string(pivot) + " is not a pin joint (the joints are " +
                   PinJointNumbers() + ")";
        if (auto e = CheckTolerance("clearances: pivot " + std::to_string(pivot), c); !e.empty()) return e;
    }
    std::vector<StudySetting> settings;
    return ParseStudySettings(s.Settings, settings);
}

std::string ParseStudyJson(std::string_view text, ToleranceStudy& study) {
    DuplicateKeys duplicates;
    Json j;
    try {
        j = Json::parse(text.begin(), text.end(), std::ref(duplicates));
    } catch (const Json::exception& e) {
        // nlohmann's messages start with their own code in brackets; the position is what helps.
        std::string why = e.what();
        if (const auto at = why.find("] "); at != std::string::npos) why.erase(0, at + 2);
        return "not valid JSON: " + why;
    }
    if (!duplicates.first.empty()) return "'" + duplicates.first + "' is given twice";
    ToleranceStudy s = study;
    if (std::string error = Apply(j, s); !error.empty()) return error;
    if (std::string error = CheckStudy(s); !error.empty()) return error;
    study = std::move(s);
    return {};
}

std::string StudyJson(const ToleranceStudy& s) {
    Json j;
    j["samples"] = s.Samples;
    j["seed"] = s.Seed;
    j["distribution"] = s.Shape == Spread::Normal ? "normal" : "uniform";
    j["defaultLength"] = s.DefaultLength;
    j["defaultAngle"] = s.DefaultAngle;
    j["tolerances"] = Json::object();
    for (const auto& [name, t] : s.Tolerances) j["tolerances"][name] = t;
    j["clearances"] = Json::object();
    for (const auto& [pivot, c] : s.Clearances) j["clearances"][std::to_string(pivot)] = c;
    j["settings"] = s.Settings;
    return j.dump(2) + "\n";
}

std::string ReadStudyFile(const std::string& path, ToleranceStudy& study) {
    // A folder, pipe or device by that name would hang the read or give nonsense.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return "the study '" + path + "' is not a readable file";
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot read the study '" + path + "'";
    std::string text;
    char buf[4096];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        text.append(buf, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxStudyFileBytes) return "the study '" + path + "' is too large to be one (over 1 MB)";
    }
    if (in.bad()) return "cannot read the study '" + path + "'";
    if (std::string error = ParseStudyJson(text, study); !error.empty()) return "study '" + path + "': " + error;
    return {};
}

std::string WriteStudyFile(const std::string& path, const ToleranceStudy& study) {
    return WriteFileAtomically(path, StudyJson(study));
}

}  // namespace lm
