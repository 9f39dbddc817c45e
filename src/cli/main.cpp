// linkmotion-cli: the simulator's numbers and pictures without a window, for scripts.
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>

#include "cli/Arguments.h"
#include "cli/DiagramCommands.h"
#include "cli/DimsCommand.h"
#include "cli/DrawCommand.h"
#include "cli/GearOptions.h"
#include "cli/PivotsCommand.h"
#include "cli/SolveCommands.h"
#include "cli/WorkbenchCommands.h"
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

Commands:
  solve                solve at the chosen angle; prints one JSON object
  sweep --step S [--from A] [--to B] [--csv]
                       solve for A, A+S, ... not above B (defaults 0 and 360; at
                       most 1000000 angles); a JSON array, or CSV rows with --csv
  dims [--save FILE.lmd]
                       print the dimensions and settings as JSON; --save also writes
                       them as a .lmd file
  events [--graph F|R] [--csv]
                       the port open/close diagram's valve events for its 19 rows, as
                       percent of stroke (front events from the front dead centre, rear
                       events from the rear); both graphs when --graph is omitted
  steam [--positions a,b,...] [--csv]
                       the steam diagram's cut-off for each reverse-arm position (default:
                       the position set as start-up or the file leaves it; --positions
                       replaces it, as typed into the position window: clamped into the
                       arm's travel, a 0 ends the set). A position without cut-off
                       gives null with "FrontCutOffReason": "no cut-off" in JSON and an
                       empty cell in CSV; a cut-off that is not a finite number gives null
                       with reason "not finite" in JSON and nan or inf in CSV
  leadlap              lead, lap and exhaust clearance of both ends at mid gear
  pivots --track N[,N...] [--step S] [--csv]
                       the pivot data table: X and Y of the given pivots (0..26) at
                       0, S, 2S, ... not above 360 (S defaults to 10; a step below
                       0.01 is taken as 0.01); JSON, or CSV rows with --csv
  draw --what gear|sine|oval|steam|port [--graph F|R|B] --out FILE.png|FILE.svg
                       the picture the program draws for that view (PNG or SVG);
                       gear with --highlight NAME: where that dimension lies

Valve-events workbench:
  valve-events [--graph F|R|B] [--csv]
                       for each row of the port open/close diagram and each cylinder
                       end: lead (steam opening at dead centre) and greatest steam
                       opening in length units; admission, cut-off, release and
                       compression in percent of stroke; front minus rear of each.
                       null (empty in CSV) where an event does not occur
  sensitivity --event NAME [--at mid|fwd|rev|full-fwd|full-rev] [--csv]
                       change of one event per unit change of each of the 44
                       dimensions at that gear position (default mid), largest first;
                       knifeEdge where a small step makes the event jump, appear or
                       vanish (its slope is then null). Events: FrontLead RearLead
                       FrontMaxOpening RearMaxOpening FrontAdmission RearAdmission
                       FrontCutOff RearCutOff FrontRelease RearRelease
                       FrontCompression RearCompression
  fit --vary NAME[=LO:HI][,...] --goal GOAL[,...] [--save FILE.lmd]
                       searches up to 4 dimensions (default bounds +-10 % of the
                       value; not RevArmCentNorm or RevArmCentMax, which undo
                       cannot record) for the values that meet the goals; prints each
                       dimension before and after, the residual (percent of stroke)
                       before and after, and whether it converged; --save writes the
                       fitted set. A fit that does not converge saves nothing and
                       exits with status 2. Goals, G = mid|fwd|rev|full-fwd|full-rev:
                         equal-cutoff@G   front and rear cut-off equal at G
                         equal-lead@G     front and rear lead equal at G
                         cutoff=PCT@G     both cut-offs PCT percent of stroke at G
                         lead=V@G         both leads V length units at G

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
        std::cout << kUsage << CodeNameLines() << kUsageEnd;
        return 0;
    }
    if (args.Has("version")) {
        std::cout << "linkmotion-cli, LINKMOTION Inside Admission Version 2.6\n";
        return 0;
    }
    if (args.command.empty()) throw UsageError("no command given (try --help)");

    lm::Model model;
    if (args.command == "solve") {
        ApplyGearOptions(model, args);
        RunSolve(model, args, std::cout);
    } else if (args.command == "sweep") {
        ApplyGearOptions(model, args);
        RunSweep(model, args, std::cout);
    } else if (args.command == "dims") {
        ApplyGearOptions(model, args);
        RunDims(model, args, std::cout);
    } else if (args.command == "events") {
        ApplyGearOptions(model, args);
        RunEvents(model, args, std::cout);
    } else if (args.command == "steam") {
        ApplyGearOptions(model, args);
        RunSteam(model, args, std::cout);
    } else if (args.command == "leadlap") {
        ApplyGearOptions(model, args);
        RunLeadLap(model, args, std::cout);
    } else if (args.command == "pivots") {
        ApplyGearOptions(model, args);
        RunPivots(model, args, std::cout);
    } else if (args.command == "valve-events") {
        ApplyGearOptions(model, args);
        RunValveEvents(model, args, std::cout);
    } else if (args.command == "sensitivity") {
        ApplyGearOptions(model, args);
        RunSensitivity(model, args, std::cout);
    } else if (args.command == "fit") {
        ApplyGearOptions(model, args);
        RunFitCommand(model, args, std::cout);
    } else if (args.command == "draw") {
        ApplyGearOptions(model, args);
        RunDraw(model, args);
    } else {
        throw UsageError("unknown command '" + args.command + "' (try --help)");
    }
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
        std::cerr << "linkmotion-cli: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "linkmotion-cli: " << e.what() << '\n';
        return 2;
    } catch (...) {
        std::cerr << "linkmotion-cli: internal error\n";
        return 2;
    }
}
