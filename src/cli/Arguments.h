// The command line as the commands see it: options in order, the command, usage errors.

#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace lm::cli {

// The most rows a command prints (angles for sweep, angles times pivots for pivots), so a
// mistyped step or list cannot produce output without end.
inline constexpr long kMostPrintedRows = 1'000'000;

// Bad input on the command line: reported on standard error, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The command line split into options (in the order given) and the command.
struct Arguments {
    std::vector<std::pair<std::string, std::string>> options;  // name without "--", value
    std::string command;
    std::vector<std::string> operands;  // words after the command (file names)
    bool help = false;

    // The value of the last occurrence, if the option was given.
    std::optional<std::string> Last(const std::string& name) const;
    bool Has(const std::string& name) const { return Last(name).has_value(); }
};

Arguments ParseArguments(int argc, char** argv);

// A finite number, or a UsageError naming the option.
double NumberOption(const std::string& option, const std::string& text);

// A number that rounds to a finite single, or a UsageError naming the option. The
// largest single as printed (3.40282347e+38) reads back as itself.
float SingleOption(const std::string& option, const std::string& text);

// Every occurrence of the option, each split at its commas; an empty item is an error.
std::vector<std::string> ListOption(const Arguments& args, const std::string& name);

// Refuses every option the command does not take, and any number of operands but the
// command's own.
void CheckOptionsFor(const Arguments& args, const std::vector<std::string>& commandOptions,
                     std::size_t operands = 0);

}  // namespace lm::cli
