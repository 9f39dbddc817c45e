// What a tolerance study asks: the tolerances, the pins' clearances, the settings, the
// sample count and the seed, and the small JSON file a user keeps beside the gear.

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lm {

enum class Spread {
    Uniform,  // anywhere within plus or minus the tolerance
    Normal,   // normal, with the tolerance as three standard deviations
};

inline constexpr std::uint64_t kDefaultStudySamples = 2000;
inline constexpr std::uint64_t kMaxStudySamples = 10'000'000;
inline constexpr std::uint64_t kDefaultStudySeed = 1;
// No gear needs a tolerance near this; it keeps every sampled value a finite single.
inline constexpr double kMaxTolerance = 1e6;

struct ToleranceStudy {
    Spread Shape = Spread::Uniform;
    // For every length or angle dimension without an entry of its own; 0: none.
    double DefaultLength = 0;
    double DefaultAngle = 0;
    // Dimension code name and its tolerance (plus or minus), in the order given.
    std::vector<std::pair<std::string, double>> Tolerances;
    // Pivot number of a pin joint and its clearance (the hole's diameter over the pin's).
    std::vector<std::pair<int, double>> Clearances;
    // "mid", "fwd", "rev", "full-fwd", "full-rev", or a range "A..B" or "A..B/N".
    std::vector<std::string> Settings = {"mid", "fwd", "rev"};
    std::uint64_t Samples = kDefaultStudySamples;
    std::uint64_t Seed = kDefaultStudySeed;

    // Sets an entry, replacing one given before for the same name or pivot.
    void SetTolerance(const std::string& name, double tolerance);
    void SetClearance(int pivot, double clearance);
};

// Empty when the study can be run; otherwise what is wrong, naming the entry.
std::string CheckStudy(const ToleranceStudy& study);

// Reads the JSON text into `study` (keys not given keep their defaults) and checks it.
// Returns the error, naming the entry; `study` is unchanged on an error.
std::string ParseStudyJson(std::string_view text, ToleranceStudy& study);
std::string StudyJson(const ToleranceStudy& study);

// The same for a file; the error names the file.
std::string ReadStudyFile(const std::string& path, ToleranceStudy& study);
std::string WriteStudyFile(const std::string& path, const ToleranceStudy& study);

}  // namespace lm
