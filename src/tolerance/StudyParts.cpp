// Part files: one line of JSON describing the study and the part, then the samples' bytes.

#include "tolerance/StudyParts.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include <nlohmann/json.hpp>

#include "common/AtomicFile.h"
#include "model/DimensionTable.h"

namespace lm {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kMagic = "linkmotion tolerance part";
constexpr int kVersion = 1;
// A header holds a few hundred numbers per setting; this is far past any real one.
constexpr std::size_t kMaxHeaderBytes = 64u << 20;

std::uint64_t Checksum(std::span<const unsigned char> bytes) {
    std::uint64_t h = 0xCBF29CE484222325ULL;  // FNV-1a
    for (unsigned char b : bytes) h = (h ^ b) * 0x100000001B3ULL;
    return h;
}

std::string Hex(std::uint64_t v) {
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

void PutFloats(std::vector<unsigned char>& out, std::span<const float> values) {
    for (float f : values) {
        const auto bits = std::bit_cast<std::uint32_t>(f);
        for (int b = 0; b < 32; b += 8) out.push_back(static_cast<unsigned char>(bits >> b));
    }
}

float GetFloat(const unsigned char* p) {
    std::uint32_t bits = 0;
    for (int b = 0; b < 4; ++b) bits |= static_cast<std::uint32_t>(p[b]) << (8 * b);
    return std::bit_cast<float>(bits);
}

Json FloatBits(std::span<const float> values) {
    Json a = Json::array();
    for (float f : values) a.push_back(std::bit_cast<std::uint32_t>(f));
    return a;
}

// What must agree between the parts of one study: everything but the part itself.
Json StudyHeader(const Model& gear, const StudyPlan& plan, const NominalEvents& nominal) {
    Json j;
    j["format"] = kMagic;
    j["version"] = kVersion;
    j["samples"] = plan.Samples;
    j["seed"] = plan.Seed;
    j["sources"] = plan.Sources;
    j["variables"] = Json::array();
    for (const StudyVariable& v : plan.Variables) {
        Json lengths = Json::array();
        for (const PlannedLength& l : v.Lengths) lengths.push_back({l.Dimension, l.Factor});
        j["variables"].push_back(
            {{"source", v.Source}, {"stream", v.Stream}, {"reach", v.Reach}, {"normal", v.Normal}, {"lengths", lengths}});
    }
    j["settings"] = Json::array();
    for (const PlannedSetting& s : plan.Settings)
        j["settings"].push_back({{"label", s.Setting.Label},
                                 {"from", GearPositionName(s.Setting.From)},
                                 {"to", GearPositionName(s.Setting.To)},
                                 {"fraction", s.Setting.Fraction},
                                 {"graph", std::string(1, s.Graph)},
                                 {"reverser", s.Reverser}});
    std::vector<float> dims;
    for (const DimensionInfo& d : AllDimensions()) dims.push_back(GetDimension(gear, d));
    j["gear"] = FloatBits(dims);
    j["nominal"] = Json::array();
    for (const SettingEvents& e : nominal.PerSetting)
        j["nominal"].push_back({{"assembled", e.Assembled}, {"values", FloatBits(e.Values)}});
    return j;
}

GearPosition Position(const Json& name) {
    const auto g = ParseGearPosition(name.get<std::string>());
    if (!g) throw std::runtime_error("unknown setting");
    return *g;
}

// The plan and nominal events back from a header; throws on anything malformed.
void ReadHeader(const Json& j, StudyPlan& plan, NominalEvents& nominal) {
    if (j.at("format") != kMagic || j.at("version") != kVersion) throw std::runtime_error("not a part");
    plan.Samples = j.at("samples").get<std::uint64_t>();
    plan.Seed = j.at("seed").get<std::uint64_t>();
    if (plan.Samples == 0 || plan.Samples > kMaxStudySamples) throw std::runtime_error("sample count");
    plan.Sources = j.at("sources").get<std::vector<std::string>>();
    const std::size_t dims = AllDimensions().size();
    for (const Json& v : j.at("variables")) {
        StudyVariable var{v.at("source").get<int>(), v.at("stream").get<std::uint64_t>(), v.at("reach").get<double>(),
                          v.at("normal").get<bool>(), {}};
        if (var.Source < 0 || static_cast<std::size_t>(var.Source) >= plan.Sources.size() ||
            !std::isfinite(var.Reach))
            throw std::runtime_error("variable");
        for (const Json& l : v.at("lengths")) {
            const PlannedLength length{l.at(0).get<int>(), l.at(1).get<double>()};
            if (length.Dimension < 0 || static_cast<std::size_t>(length.Dimension) >= dims) throw std::runtime_error("length");
            var.Lengths.push_back(length);
        }
        plan.Variables.push_back(std::move(var));
    }
    for (const Json& s : j.at("settings")) {
        PlannedSetting p;
        p.Setting = {s.at("label").get<std::string>(), Position(s.at("from")), Position(s.at("to")),
                     s.at("fraction").get<double>()};
        p.Graph = s.at("graph") == "R" ? 'R' : 'F';
        p.Reverser = s.at("reverser").get<double>();
        plan.Settings.push_back(std::move(p));
    }
    if (plan.Settings.empty() || plan.Settings.size() > static_cast<std::size_t>(kMaxStudySettings))
        throw std::runtime_error("settings");
    for (const Json& n : j.at("nominal")) {
        SettingEvents e;
        e.Assembled = n.at("assembled").get<bool>();
        const auto bits = n.at("values").get<std::vector<std::uint32_t>>();
        if (bits.size() != e.Values.size()) throw std::runtime_error("nominal");
        for (std::size_t k = 0; k < bits.size(); ++k) e.Values[k] = std::bit_cast<float>(bits[k]);
        nominal.PerSetting.push_back(e);
    }
    if (nominal.PerSetting.size() != plan.Settings.size()) throw std::runtime_error("nominal");
}

struct PartFile {
    std::string Path;
    std::string Key;  // the study header as text
    StudyPlan Plan;
    NominalEvents Nominal;
    StudyParts Part;
    std::uint64_t First = 0, Count = 0;
    std::uint64_t HeaderBytes = 0;  // the first line with its end
    std::string Checksum;
};

std::string Named(const std::string& path) { return "part '" + path + "'"; }

// The part's first line, checked against the file's size; the samples are read later, one
// part at a time, so a merge holds no more than the whole study and one part.
std::string ReadPartHeader(const std::string& path, PartFile& out) {
    const std::string name = Named(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return name + " is not a readable file";
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in) return "cannot read " + name;
    std::string line;
    for (char c; line.size() <= kMaxHeaderBytes && in.get(c) && c != '\n';) line += c;
    if (line.size() > kMaxHeaderBytes || !in) return name + " is not a tolerance study part";
    PartFile p;
    p.Path = path;
    try {
        Json j = Json::parse(line);
        p.Part.Part = j.at("part").get<std::uint64_t>();
        p.Part.Of = j.at("of").get<std::uint64_t>();
        p.First = j.at("first").get<std::uint64_t>();
        p.Count = j.at("count").get<std::uint64_t>();
        p.Checksum = j.at("checksum").get<std::string>();
        for (const char* key : {"part", "of", "first", "count", "checksum"}) j.erase(key);
        ReadHeader(j, p.Plan, p.Nominal);
        p.Key = j.dump();
    } catch (const std::exception&) {
        return name + " is not a tolerance study part (or is damaged)";
    }
    const std::uint64_t samples = p.Plan.Samples;
    if (p.Part.Of == 0 || p.Part.Of > samples || p.Part.Part == 0 || p.Part.Part > p.Part.Of)
        return name + " is damaged: part " + std::to_string(p.Part.Part) + " of " + std::to_string(p.Part.Of);
    const ShardRange range = ShardOf(samples, p.Part.Part, p.Part.Of);
    if (range.First != p.First || range.Count != p.Count) return name + " is damaged: its samples are not its part's";
    p.HeaderBytes = line.size() + 1;
    const std::uint64_t cells = p.Count * p.Plan.Settings.size();
    const std::uint64_t expected = p.HeaderBytes + cells + cells * kStudyEventCount * 4;
    if (size != expected)
        return name + " is damaged: " + std::to_string(size) + " bytes where " + std::to_string(expected) + " belong";
    out = std::move(p);
    return {};
}

// Appends the part's samples to `into`, the parts before it already there.
std::string AppendPartSamples(const PartFile& p, SampleData& into) {
    const std::string name = Named(p.Path);
    const std::uint64_t cells = p.Count * p.Plan.Settings.size();
    std::vector<unsigned char> bytes(cells + cells * kStudyEventCount * 4);
    std::ifstream in(p.Path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(p.HeaderBytes));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return "cannot read " + name;
    if (Hex(Checksum(bytes)) != p.Checksum) return name + " is damaged: its checksum does not match";
    into.Assembled.insert(into.Assembled.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cells));
    for (std::uint64_t k = 0; k < cells * kStudyEventCount; ++k) into.Values.push_back(GetFloat(&bytes[cells + 4 * k]));
    return {};
}

}  // namespace

std::string ParseShard(const std::string& text, std::uint64_t samples, StudyParts& out) {
    const std::string expected = "'" + text + "': expected K/N, the K-th of N parts, 1 <= K <= N";
    const auto slash = text.find('/');
    if (slash == std::string::npos) return expected;
    StudyParts p;
    const char* end = text.data() + text.size();
    const auto a = std::from_chars(text.data(), text.data() + slash, p.Part);
    const auto b = std::from_chars(text.data() + slash + 1, end, p.Of);
    if (a.ec != std::errc() || a.ptr != text.data() + slash || b.ec != std::errc() || b.ptr != end)
        return expected;
    if (p.Part < 1 || p.Part > p.Of) return expected;
    if (p.Of > samples)
        return "'" + text + "': more parts than samples (" + std::to_string(samples) + ")";
    out = p;
    return {};
}

std::string WriteStudyPart(const std::string& path, const Model& gear, const StudyPlan& plan,
                           const NominalEvents& nominal, StudyParts part, const SampleData& data) {
    std::vector<unsigned char> payload(data.Assembled.begin(), data.Assembled.end());
    PutFloats(payload, data.Values);
    Json j = StudyHeader(gear, plan, nominal);
    j["part"] = part.Part;
    j["of"] = part.Of;
    j["first"] = data.First;
    j["count"] = data.Count;
    j["checksum"] = Hex(Checksum(payload));
    const std::string header = j.dump() + "\n";
    std::vector<unsigned char> bytes(header.begin(), header.end());
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    return WriteFileAtomically(path, bytes);
}

std::string MergeStudyParts(std::span<const std::string> paths, MergedStudy& out) {
    if (paths.empty()) return "no parts given";
    std::vector<PartFile> parts(paths.size());
    std::map<std::uint64_t, std::size_t> byNumber;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        if (std::string error = ReadPartHeader(paths[k], parts[k]); !error.empty()) return error;
        const PartFile& p = parts[k];
        const PartFile& first = parts.front();
        const std::string name = Named(p.Path);
        if (p.Key != first.Key)
            return name + " is from a different study than '" + first.Path +
                   "' (its gear, tolerances, settings, sample count or seed differ)";
        if (p.Part.Of != first.Part.Of)
            return name + " is one of " + std::to_string(p.Part.Of) + " parts, '" + first.Path + "' one of " +
                   std::to_string(first.Part.Of);
        if (const auto [at, added] = byNumber.emplace(p.Part.Part, k); !added)
            return name + " is part " + std::to_string(p.Part.Part) + " of " + std::to_string(p.Part.Of) +
                   ", as '" + parts[at->second].Path + "' is";
    }
    const std::uint64_t of = parts.front().Part.Of;
    for (std::uint64_t k = 1; k <= of; ++k)
        if (!byNumber.count(k)) return "part " + std::to_string(k) + " of " + std::to_string(of) + " is missing";
    MergedStudy merged;
    merged.Plan = parts.front().Plan;
    merged.Nominal = parts.front().Nominal;
    merged.Data.Count = merged.Plan.Samples;
    merged.Data.Settings = merged.Plan.Settings.size();
    merged.Data.Assembled.reserve(merged.Data.Count * merged.Data.Settings);
    merged.Data.Values.reserve(merged.Data.Count * merged.Data.Settings * kStudyEventCount);
    for (const auto& [number, index] : byNumber)
        if (std::string error = AppendPartSamples(parts[index], merged.Data); !error.empty()) return error;
    out = std::move(merged);
    return {};
}

}  // namespace lm
