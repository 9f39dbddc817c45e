// Splitting the command line into known options and the command, and reading option
// values as numbers with messages that name the option.

#include "cli/Arguments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <sstream>
#include <string_view>

#include "common/Numbers.h"

namespace lm::cli {

namespace {

struct OptionRow {
    std::string_view name;
    bool takesValue;
};

// Gear options apply to every command; the rest belong to one command or another.
constexpr std::array<OptionRow, 43> kOptions = {{
    {"open", true},   {"import", true}, {"set", true},   {"revarm", true}, {"gear", true},
    {"angle", true},  {"step", true},   {"from", true},  {"to", true},     {"csv", false},
    {"save", true},   {"graph", true},  {"positions", true}, {"what", true}, {"out", true},
    {"highlight", true}, {"track", true},
    {"help", false},  {"h", false},     {"version", false},
    {"event", true},  {"at", true},     {"vary", true},  {"goal", true},
    {"as-diagram", false}, {"step-length", true}, {"step-angle", true}, {"tolerance-length", true},
    {"tolerance-angle", true}, {"threshold", true}, {"compare", true},
    {"study", true},  {"samples", true}, {"seed", true}, {"tol", true}, {"tol-length", true},
    {"tol-angle", true}, {"clearance", true}, {"settings", true}, {"distribution", true},
    {"shard", true}, {"constraint", true}, {"page", true},
}};

const OptionRow* FindOption(std::string_view name) {
    for (const OptionRow& o : kOptions)
        if (o.name == name) return &o;
    return nullptr;
}

constexpr std::array<std::string_view, 6> kGearOptions = {"open", "import", "set",
                                                          "revarm", "gear", "angle"};

}  // namespace

std::optional<std::string> Arguments::Last(const std::string& name) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it)
        if (it->first == name) return it->second;
    return std::nullopt;
}

Arguments ParseArguments(int argc, char** argv) {
    Arguments args;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string token = argv[i];
        if (token == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || token.rfind("-", 0) != 0 || token == "-") {
            if (args.command.empty()) args.command = token;
            else args.operands.push_back(token);
            continue;
        }
        std::string name = token.substr(token.rfind("--", 0) == 0 ? 2 : 1);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.erase(eq);
        }
        const OptionRow* option = FindOption(name);
        if (!option) throw UsageError("unknown option '" + token + "' (try --help)");
        if (name == "help" || name == "h") {
            args.help = true;
            continue;
        }
        if (option->takesValue && !value) {
            if (i + 1 >= argc) throw UsageError("option --" + name + " needs a value");
            value = argv[++i];
        }
        if (!option->takesValue && value) throw UsageError("option --" + name + " takes no value");
        args.options.emplace_back(name, value.value_or(""));
    }
    return args;
}

double NumberOption(const std::string& option, const std::string& text) {
    double v = 0;
    if (!ParseStrictNumber(text, v))
        throw UsageError("--" + option + ": '" + text + "' is not a number");
    return v;
}

float SingleOption(const std::string& option, const std::string& text) {
    const double v = NumberOption(option, text);
    // Below half a step past the largest single, a value rounds to it rather than to
    // infinity, so printed values (rounded to nine digits) are still taken.
    constexpr double kMax = std::numeric_limits<float>::max();
    constexpr double kRoundsToMax = kMax + 0x1p103;
    if (!(std::fabs(v) < kRoundsToMax))
        throw UsageError("--" + option + ": '" + text + "' is out of range");
    return static_cast<float>(std::clamp(v, -kMax, kMax));
}

std::vector<std::string> ListOption(const Arguments& args, const std::string& name) {
    std::vector<std::string> items;
    for (const auto& [option, value] : args.options) {
        if (option != name) continue;
        std::stringstream ss(value);
        for (std::string item; std::getline(ss, item, ',');) {
            if (item.empty()) throw UsageError("--" + name + ": empty item in '" + value + "'");
            items.push_back(item);
        }
    }
    return items;
}

void CheckOptionsFor(const Arguments& args, const std::vector<std::string>& commandOptions, std::size_t operands) {
    if (args.operands.size() > operands)
        throw UsageError("unexpected argument '" + args.operands[operands] + "' after command '" + args.command + "'");
    if (args.operands.size() < operands)
        throw UsageError("'" + args.command + "' needs " + std::to_string(operands) + " file names");
    for (const auto& [name, value] : args.options) {
        const bool gear = std::find(kGearOptions.begin(), kGearOptions.end(), name) != kGearOptions.end();
        const bool own = std::find(commandOptions.begin(), commandOptions.end(), name) != commandOptions.end();
        if (!gear && !own)
            throw UsageError("option --" + name + " does not apply to '" + args.command + "'");
    }
}

}  // namespace lm::cli
