// Running the built linkmotion-cli in a shell and picking numbers out of its output.

#include "CliRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace lm::test {

namespace {
std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
}  // namespace

std::string TempPath(const std::string& name) {
    return "/tmp/lm_cli_test_" + std::to_string(::getpid()) + "_" + name;
}

CliRun RunCli(const std::vector<std::string>& args) { return RunCliIn({}, args, {}); }

CliRun RunCliIn(const std::string& shellPrefix, const std::vector<std::string>& args,
                const std::string& stdoutTarget) {
    std::string cli = Quote(LM_CLI_PATH);
    for (const std::string& a : args) cli += " " + Quote(a);
    const std::string outPath = TempPath("stdout"), errPath = TempPath("stderr");
    cli += " > " + Quote(stdoutTarget.empty() ? outPath : stdoutTarget) + " 2> " + Quote(errPath) +
           " < /dev/null";
    const std::string cmd = shellPrefix.empty() ? cli : "sh -c " + Quote(shellPrefix + "; " + cli);
    const int raw = std::system(cmd.c_str());
    CliRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = Slurp(outPath);
    r.err = Slurp(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return r;
}

double JsonValue(const std::string& json, const std::string& key) {
    const std::regex re("\"" + key + "\": (-?[0-9.eE+-]+|true|false|null)");
    std::smatch m;
    if (!std::regex_search(json, m, re)) return std::nan("");
    const std::string v = m[1];
    if (v == "true") return 1;
    if (v == "false") return 0;
    if (v == "null") return std::nan("");
    return std::strtod(v.c_str(), nullptr);
}

std::vector<double> JsonPivots(const std::string& json) {
    std::vector<double> values;
    const auto start = json.find("\"pivots\": [");
    if (start == std::string::npos) return values;
    const auto end = json.find("]]", start);
    const std::string body = json.substr(start + 11, end - start - 11);
    const std::regex num("-?[0-9.]+(?:[eE][-+]?[0-9]+)?");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), num); it != std::sregex_iterator(); ++it)
        values.push_back(std::strtod(it->str().c_str(), nullptr));
    return values;
}

int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

CliRun ExpectRefused(const std::vector<std::string>& args, const std::string& mentions) {
    CliRun r = RunCli(args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err.rfind("linkmotion-cli: ", 0), 0u) << r.err;
    EXPECT_EQ(CountOf(r.err, "\n"), 1) << r.err;
    EXPECT_NE(r.err.find(mentions), std::string::npos) << r.err;
    return r;
}

}  // namespace lm::test
