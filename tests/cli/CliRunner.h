// Helpers the command-line tests share: running the program and reading its JSON.

#pragma once

#include <string>
#include <vector>

namespace lm::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs linkmotion-cli with the arguments (each passed as one word) and captures both
// streams and the exit status.
CliRun RunCli(const std::vector<std::string>& args);

// The same, after shell commands (such as a ulimit) in a shell of its own, with standard
// output sent to stdoutTarget when one is given (then `out` stays empty).
CliRun RunCliIn(const std::string& shellPrefix, const std::vector<std::string>& args,
                const std::string& stdoutTarget);

// The number after "key": in a JSON text (first occurrence); NaN when absent.
double JsonValue(const std::string& json, const std::string& key);

// Every number inside the "pivots" array, in order (x0, y0, x1, y1, ...).
std::vector<double> JsonPivots(const std::string& json);

std::string TempPath(const std::string& name);

// How often `what` occurs in the text.
int CountOf(const std::string& text, const std::string& what);

// Expects status 2 with one line on standard error, starting "linkmotion-cli: " and
// mentioning the text; returns the run for further checks.
CliRun ExpectRefused(const std::vector<std::string>& args, const std::string& mentions);

}  // namespace lm::test
