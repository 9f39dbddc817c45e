// Any command line (words split at NUL bytes): it is parsed or refused with a usage
// error, and every value read as a number or single is finite.
#include <cmath>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "cli/Arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lm::cli;
    std::vector<std::string> words{"linkmotion-cli"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    try {
        const Arguments args = ParseArguments(static_cast<int>(words.size()), argv.data());
        for (const auto& [name, value] : args.options) {
            try {
                lm::fuzz::Require(std::isfinite(NumberOption(name, value)), "a number option is non-finite");
                lm::fuzz::Require(std::isfinite(SingleOption(name, value)), "a single option is non-finite");
            } catch (const UsageError&) {
            }
        }
        (void)args.Last("set");
    } catch (const UsageError&) {
    }
    return 0;
}
