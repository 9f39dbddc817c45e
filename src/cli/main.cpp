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
#include "cli/SolveCommands.h"
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
  draw --what gear|sine|oval|steam|port [--graph F|R|B] --out FILE.png|FILE.svg
                       the picture the program draws for that view (PNG or SVG)

Dimension code names:
  DriverDia Stroke MainRodLen EccCircleDia EccDia EccAngFwd EccAngRev EccRodFwd
  EccRodRev LinkRadius LinkCentBackSet LinkEccPivotVert LinkEccPivotBackSet
  RockerUpperLen RockerUpperBackSet RockerLowerLen RockerPivotVert RockerPivotHorz
  ValveConRodLen LiftingLinkLen RevArmLen RevArmBackSet LiftingArmLen RevLiftPivotVert
  RevLiftPivotHorz RevArmCentNorm RevArmCentMax CylCtrToDriver CylCLAboveDriver
  CylBoreDia CylBoreLen CylPortWidth PistonToCrosshead PistonWidth ValveCLToCylCL
  ValveBoreDia ValveBoreLen ValveBoreCtrToPort ValvePortWidthRear ValvePortWidthFront
  ValveCtrToRing ValveEndWidthRear ValveEndWidthFront ValveCtrToJoint

Every failure (bad input, a file or standard output that cannot be written) prints
one line starting "linkmotion-cli: " on standard error and exits with status 2.
)";

int Run(int argc, char** argv) {
    using namespace lm::cli;
    const Arguments args = ParseArguments(argc, argv);
    if (args.help) {
        std::cout << kUsage;
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
