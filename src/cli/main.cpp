// linkmotion-cli: the simulator's numbers and pictures without a window, for scripts.
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/GearOptions.h"
#include "common/MessageText.h"
#include "common/Version.h"
#include "model/DimensionTable.h"
#include "model/Model.h"

namespace {

constexpr const char* kUsage = R"(Usage: linkmotion-cli [gear options] COMMAND [command options]

LINKMOTION Inside Admission, command-line companion. Every number comes from the same
model and solver as the desktop program.

Gear options (applied in this order, whatever order they are given in):
  --open FILE          load a dimension data file (.lmd), as File > OpenDimensions
  --import FILE        import an older-format file (.lmp), as File > OpenDosVersionDim
  --set NAME=VALUE     set one dimension by code name, as typing it into its editor box
                       (repeatable; mid gear is recomputed after the last one)
  --revarm VALUE       set the reverse-arm position (length units)
  --gear G             mid | fwd | rev | full-fwd | full-rev  (default: mid gear)
  --angle DEG          driver angle in degrees (default 0)

)";

constexpr const char* kCodeNamesHeading = R"(
Dimension code names:
)";

constexpr const char* kUsageEnd = R"(
Every failure (bad input, a file or standard output that cannot be written) prints
one line starting "linkmotion-cli: " on standard error and exits with status 2.
)";

// The names --set takes, from the table every dimension is known by, wrapped as the
// rest of the help.
std::string CodeNameLines() {
    constexpr std::size_t kWidth = 88;
    std::string lines, line;
    for (const lm::DimensionInfo& d : lm::AllDimensions()) {
        if (!line.empty() && line.size() + 1 + d.CodeName.size() > kWidth) {
            lines += line + '\n';
            line.clear();
        }
        line += (line.empty() ? "  " : " ") + std::string(d.CodeName);
    }
    return lines + line + '\n';
}

int Run(int argc, char** argv) {
    using namespace lm::cli;
    const Arguments args = ParseArguments(argc, argv);
    if (args.help) {
        std::cout << kUsage << CommandsHelp() << kCodeNamesHeading << CodeNameLines() << kUsageEnd;
        return 0;
    }
    if (args.Has("version")) {
        std::cout << "linkmotion-cli, LINKMOTION Inside Admission Version " << lm::kVersion << '\n';
        return 0;
    }
    if (args.command.empty()) throw UsageError("no command given (try --help)");

    const Command* command = FindCommand(args.command);
    if (!command) throw UsageError("unknown command '" + args.command + "' (try --help)");
    lm::Model model;
    ApplyGearOptions(model, args);
    command->run(model, args, std::cout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Past the file-size limit a write should fail and be reported, not kill the program.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        const int status = Run(argc, argv);
        // Help and version too: a script must learn that nothing reached its file.
        std::cout.flush();
        if (!std::cout) throw std::runtime_error("cannot write the output");
        return status;
    } catch (const lm::cli::UsageError& e) {
        std::cerr << "linkmotion-cli: " << lm::EscapeControls(e.what()) << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "linkmotion-cli: " << lm::EscapeControls(e.what()) << '\n';
        return 2;
    } catch (...) {
        std::cerr << "linkmotion-cli: internal error\n";
        return 2;
    }
}
