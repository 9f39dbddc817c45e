// The command line's commands, in the order --help lists them.

#include "cli/Commands.h"

#include <array>

#include "cli/DiagramCommands.h"
#include "cli/DimsCommand.h"
#include "cli/DrawCommand.h"
#include "cli/PivotsCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SolveCommands.h"
#include "cli/ToleranceCommands.h"
#include "cli/WorkbenchCommands.h"

namespace lm::cli {

namespace {

constexpr std::string_view kGear = "Commands";
constexpr std::string_view kWorkbench = "Valve-events workbench";
constexpr std::string_view kTolerance = "Tolerance study (how far the events of a gear as made and worn may stray)";

const std::array kCommands{
    Command{"solve", kGear, "", "solve at the chosen angle; prints one JSON object", RunSolve},
    Command{"sweep", kGear, "--step S [--from A] [--to B] [--csv]",
            "solve for A, A+S, ... not above B (defaults 0 and 360; at\n"
            "most 1000000 angles); a JSON array, or CSV rows with --csv",
            RunSweep},
    Command{"dims", kGear, "[--save FILE.lmd]",
            "print the dimensions and settings as JSON; --save also writes\n"
            "them as a .lmd file",
            RunDims},
    Command{"events", kGear, "[--graph F|R] [--csv]",
            "the port open/close diagram's valve events for its 19 rows, as\n"
            "percent of stroke (front events from the front dead centre, rear\n"
            "events from the rear); both graphs when --graph is omitted",
            RunEvents},
    Command{"steam", kGear, "[--positions a,b,...] [--csv]",
            "the steam diagram's cut-off for each reverse-arm position (default:\n"
            "the position set as start-up or the file leaves it; --positions\n"
            "replaces it, as typed into the position window: clamped into the\n"
            "arm's travel, a 0 ends the set). A position without cut-off\n"
            "gives null with \"FrontCutOffReason\": \"no cut-off\" in JSON and an\n"
            "empty cell in CSV; a cut-off that is not a finite number gives null\n"
            "with reason \"not finite\" in JSON and nan or inf in CSV",
            RunSteam},
    Command{"leadlap", kGear, "", "lead, lap and exhaust clearance of both ends at mid gear", RunLeadLap},
    Command{"pivots", kGear, "--track N[,N...] [--step S] [--csv]",
            "the pivot data table: X and Y of the given pivots (0..26) at\n"
            "0, S, 2S, ... not above 360 (S defaults to 10; a step from 0 up\n"
            "to 0.01 is taken as 0.01; at most 1000000 angles times pivots);\n"
            "JSON, or CSV rows with --csv",
            RunPivots},
    Command{"draw", kGear,
            "--what gear|sine|oval|steam|port|events [--graph F|R|B]\n"
            "[--event NAME [--compare B.lmd]] --out FILE.png|FILE.svg",
            "the picture the program draws for that view (PNG or SVG);\n"
            "gear with --highlight NAME: where that dimension lies;\n"
            "events: the exact event NAME (Lead, MaxOpening, Admission,\n"
            "CutOff, Release or Compression for both ends, or one led by\n"
            "Front or Rear) against the reverser, forward and reverse, the\n"
            "arm's place marked, as the Valve Events window plots it; with\n"
            "--compare the events of B.lmd dashed beside it",
            [](Model& m, const Arguments& args, std::ostream&) { RunDraw(m, args); }},
    Command{"report", kGear, "--out FILE.pdf [--page a4|letter]",
            "the gear report the desktop program prints: the set, mid-gear\n"
            "lead and lap, the gear, the 44 dimensions, the valve events of\n"
            "both directions and the four diagrams, as a PDF of A4 or Letter\n"
            "pages (default: the locale's paper, Letter in the US, else A4)",
            [](Model& m, const Arguments& args, std::ostream&) { RunReport(m, args); }},
    Command{"valve-events", kWorkbench, "[--graph F|R|B] [--csv] [--as-diagram]",
            "for each row of the port open/close diagram and each cylinder\n"
            "end, every event found exactly on the solver (crank angle to\n"
            "1e-4 degree): <End>Lead, the steam opening at the dead centre\n"
            "found as the piston's extreme, and <End>MaxOpening, the port's\n"
            "greatest opening (at most its width), in length units;\n"
            "<End>Admission, CutOff, Release, Compression in percent of\n"
            "stroke from the end's own dead centre, and the same as\n"
            "<Event>Crank, crank degrees from that dead centre in the sense\n"
            "of rotation, negative before it; <Pair>Difference, front minus\n"
            "rear; <End>OverTravel, the valve's travel past full port\n"
            "(length); <End>FullOpenDeg, crank degrees the port is fully open;\n"
            "GearError, true where the gear cannot be assembled over the\n"
            "whole revolution (also named in one line on standard error).\n"
            "null (empty in CSV) where an event does not occur. With\n"
            "--as-diagram: the port diagram's 4-degree sweep, as it draws it",
            [](Model& m, const Arguments& args, std::ostream& out) { RunValveEvents(m, args, out); }},
    Command{"sensitivity", kWorkbench,
            "--event NAME [--at mid|fwd|rev|full-fwd|full-rev] [--step-length L] [--step-angle A]\n"
            "[--tolerance-length TL --tolerance-angle TA] [--csv]",
            "change of one exact event per unit change of each of the 44\n"
            "dimensions at that gear position (default mid): central\n"
            "differences over L length units (default 0.003) or A degrees\n"
            "(default 0.5), each slope with its unit (\"% of stroke per\n"
            "length unit\", \"... per degree\"; lead and opening in length\n"
            "units); lengths ranked by size, then angles. With both\n"
            "tolerances, \"effect\" is |slope| times the tolerance of the\n"
            "dimension's kind, in the event's unit, and all rank by it.\n"
            "knifeEdge where a step makes the event jump, appear or vanish\n"
            "(its slope is then null). Events: FrontLead RearLead\n"
            "FrontMaxOpening RearMaxOpening FrontAdmission RearAdmission\n"
            "FrontCutOff RearCutOff FrontRelease RearRelease\n"
            "FrontCompression RearCompression",
            [](Model& m, const Arguments& args, std::ostream& out) { RunSensitivity(m, args, out); }},
    Command{"fit", kWorkbench,
            "--vary NAME[=LO:HI][,...] --goal GOAL[,...] [--constraint C[,...]]\n"
            "[--threshold PCT] [--save FILE.lmd]",
            "searches up to 4 dimensions (default bounds +-10 % of the\n"
            "value; not RevArmCentNorm or RevArmCentMax, which undo\n"
            "cannot record) for the values that meet the goals on exact\n"
            "events, to a residual of PCT percent of stroke (default 0.01),\n"
            "keeping every constraint; prints each dimension before and\n"
            "after, the residual before and after, each goal's worst miss\n"
            "and each constraint's worst value before and after, whether\n"
            "it converged, the whole valve-events table \"before\" and\n"
            "\"after\", and \"largestUnaskedChange\" ({graph, row, event,\n"
            "change}: the largest change, in the event's own unit, in a\n"
            "cell no goal or constraint names). Never worse than its\n"
            "start; a start whose rows cannot be assembled is refused, and\n"
            "no trial that cannot be assembled is an answer. --save writes\n"
            "the fitted set (a name ending in .lmd). A fit that does not\n"
            "converge saves nothing, names the reason (evaluation budget,\n"
            "a bound or constraint active, goals in conflict) and exits\n"
            "with status 2.\n"
            "Goals, S = G or a range G..G along full-rev, rev, mid, fwd,\n"
            "full-fwd (every row of the table between them, the worst\n"
            "row counting), G = mid|fwd|rev|full-fwd|full-rev:\n"
            "  equal-cutoff@S   front and rear cut-off equal\n"
            "  equal-lead@S     front and rear lead equal\n"
            "  cutoff=PCT@S     both cut-offs PCT percent of stroke\n"
            "  lead=V@S         both leads V length units\n"
            "  ...*W            the goal's miss counts W times (default 1)\n"
            "Constraints, EVENT>=V@S or EVENT<=V@S: EVENT lead, opening,\n"
            "admission, cutoff, release or compression (both ends, or\n"
            "one led by front- or rear-), V in the event's unit; quote\n"
            "them in a shell, as --constraint 'lead>=0.01@mid'",
            RunFitCommand},
    Command{"compare", kWorkbench, "A.lmd B.lmd [--graph F|R|B] [--csv]",
            "the exact valve-events tables of two dimension files, each\n"
            "opened on the gear as the gear options leave it, and B minus A\n"
            "row by row: {\"A\": table, \"B\": table, \"diff\": table}, each\n"
            "shaped as valve-events prints it (diff null where either is\n"
            "null, GearError where either is); with --csv one header and\n"
            "each line led by A, B or diff",
            RunCompare},
    Command{"tolerance", kTolerance,
            "[--study FILE.json] [--samples N] [--seed S] [--settings S[,...]]\n"
            "[--distribution uniform|normal] [--tol NAME=T[,...]] [--tol-length T]\n"
            "[--tol-angle T] [--clearance PIVOT=C[,...]] [--csv] [--shard K/N --out FILE]",
            "N samples (default 2000, at most 10000000) of the gear with each\n"
            "dimension anywhere within +-T (normal: T is three standard\n"
            "deviations; --tol-length and --tol-angle for every length or\n"
            "angle without its own) and each worn pin's links longer or\n"
            "shorter by up to half its clearance C (pin joints 2, 3, 4, 5, 7,\n"
            "8, 9, 10, 11, 12, 13, 15, 16, 18). Options override the study\n"
            "file. Settings: mid fwd rev full-fwd full-rev, or a range A..B\n"
            "of 9 points, A..B/N of N (default mid,fwd,rev). For each setting\n"
            "and event: nominal, p1, p50, p99, worst, the share of samples\n"
            "that could not be assembled or lack the event, and each\n"
            "tolerance's share of the variance, largest first. With --shard:\n"
            "only the K-th of N parts of the samples, raw, into FILE, for\n"
            "tolerance-merge (run the parts anywhere, e.g. with GNU parallel)",
            [](Model& m, const Arguments& args, std::ostream& out) { RunTolerance(m, args, out); }},
    Command{"tolerance-merge", kTolerance, "PART... [--csv]",
            "prints exactly what the study unsplit prints, from all N parts\n"
            "in any order (takes no gear options: the parts carry their gear)",
            [](Model&, const Arguments& args, std::ostream& out) { RunToleranceMerge(args, out); }},
};

// Name and options in the first 21 columns, the description from column 24; a longer
// synopsis has a line of its own (or several, each under the first option).
constexpr std::size_t kSynopsisWidth = 21;
const std::string kAboutIndent(2 + kSynopsisWidth, ' ');

std::string CommandHelp(const Command& c) {
    std::string synopsis(c.name);
    const std::string optionsIndent = "\n" + std::string(2 + c.name.size() + 1, ' ');
    if (!c.synopsis.empty()) synopsis += ' ';
    for (char ch : c.synopsis) synopsis += ch == '\n' ? optionsIndent : std::string(1, ch);
    std::string text = "  " + synopsis;
    if (synopsis.size() < kSynopsisWidth)
        text += std::string(kSynopsisWidth - synopsis.size(), ' ');
    else
        text += '\n' + kAboutIndent;
    for (char ch : c.about) text += ch == '\n' ? '\n' + kAboutIndent : std::string(1, ch);
    return text + '\n';
}

}  // namespace

std::span<const Command> AllCommands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
    for (const Command& c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

std::string CommandsHelp() {
    std::string text;
    std::string_view heading;
    for (const Command& c : kCommands) {
        if (c.heading != heading) {
            if (!text.empty()) text += '\n';
            heading = c.heading;
            text += std::string(heading) + ":\n";
        }
        text += CommandHelp(c);
    }
    return text;
}

}  // namespace lm::cli
