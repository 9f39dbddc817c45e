// The draw command: a view drawn off-screen and written as PNG or SVG by its extension.

#include "cli/DrawCommand.h"

#include <QByteArray>
#include <cctype>
#include <filesystem>
#include <span>

#include "cli/FontApplication.h"
#include "diagrams/Diagrams.h"
#include "files/DimensionFile.h"
#include "common/AtomicFile.h"
#include "common/MessageText.h"
#include "graphics/qt/PictureExport.h"
#include "kinematics/RevArmPositionSet.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/DimensionHighlight.h"
#include "mainwindow/MainRender.h"
#include "model/DimensionTable.h"
#include "workbench/EventPlot.h"

namespace lm::cli {

namespace {

std::string Lowercase(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The picture is made in memory and only then written, through the same safe replace
// as dimension files: an encoder writing straight to the file could leave a truncated
// picture on a full disk and still report success, with libpng's complaint on top.
void SaveOrFail(const std::string& path, int width, int height, const DrawPicture& draw) {
    const std::string extension = Lowercase(std::filesystem::path(path).extension().string());
    QByteArray bytes;
    bool encoded = false;
    if (extension == ".png") {
        encoded = EncodePicturePng(bytes, width, height, 1.0, draw);
    } else if (extension == ".svg") {
        encoded = EncodePictureSvg(bytes, width, height, draw);
    } else {
        throw UsageError("Cannot save \"" + path +
                         "\": pictures are saved as .png or .svg, chosen by the file name's extension.");
    }
    if (!encoded) throw UsageError("Cannot save \"" + path + "\": the picture could not be made.");
    const std::string error = WriteFileAtomically(
        path, std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size())));
    if (!error.empty()) throw UsageError(error);
}

// The number the highlight knows a dimension by: its frame editor box, or 100 + its
// cylinder editor box.
int HighlightNumber(const std::string& codeName) {
    const DimensionInfo* d = FindDimension(codeName);
    if (!d) throw UsageError("--highlight: no dimension is called '" + codeName + "' (see the dims command)");
    return d->Group == DimensionGroup::Cylinder ? 100 + d->EditorNumber : d->EditorNumber;
}

// The main window's picture of the gear standing at the chosen angle; with a highlight,
// the first highlighted tick drawn in the dimension's own view (one unseen tick sets the
// view, as the window's first highlighted tick does, so the pivots are mapped with it).
void DrawGearPicture(Model& m, const std::string& path, const std::optional<std::string>& highlight) {
    MainWindowState state;
    m.Gear.StepAngle = 0;
    m.Gear.GearError = false;
    AnimationTick(m, state);
    if (highlight) {
        m.Highlight.Dim = HighlightNumber(*highlight);
        StepDimensionHighlight(m, state);
        AnimationTick(m, state);
    }
    SaveOrFail(path, kClientAreaWidth, kClientAreaHeight,
               [&](Canvas& canvas) { RenderMainWindow(m, state, canvas); });
}

// A diagram as its window shows it after the position window has been through the set.
void DrawDiagramPicture(Model& m, const std::string& what, const std::string& graph,
                        const std::string& path) {
    ApplyRevArmRunRule(m);
    if (what == "sine") {
        SaveOrFail(path, kDiagramWidth, kSineDiagramHeight, [&](Canvas& c) { DrawSineDiagram(m, c); });
    } else if (what == "oval") {
        SaveOrFail(path, kDiagramWidth, kOvalDiagramHeight, [&](Canvas& c) { DrawOvalDiagram(m, c); });
    } else if (what == "steam") {
        SaveOrFail(path, kDiagramWidth, kSteamDiagramHeight, [&](Canvas& c) { DrawSteamDiagram(m, c); });
    } else if (graph == "F" || graph == "R") {
        SaveOrFail(path, kDiagramWidth, kPortDiagramHeight,
                   [&](Canvas& c) { DrawPortDiagram(m, c, graph[0], true); });
    } else if (graph == "B") {
        // Both graphs share the frame; the cycle annotation belongs to the forward one.
        SaveOrFail(path, kDiagramWidth, kPortDiagramHeight, [&](Canvas& c) {
            DrawPortDiagram(m, c, 'F', true);
            DrawPortDiagram(m, c, 'R', false);
        });
    } else {
        throw UsageError("--graph: expected F, R or B, got '" + graph + "'");
    }
}

// Any valve event against the reverser, as the Valve Events window plots it, with a
// second dimension file's events dashed beside it.
void DrawEventsPicture(const Model& m, const Arguments& args, const std::string& path) {
    const auto name = args.Last("event");
    if (!name) throw UsageError("draw --what events needs --event NAME (e.g. CutOff, Lead or FrontRelease)");
    const std::vector<ValveEvent> events = ParseEventWord(*name);
    if (events.empty())
        throw UsageError("--event: unknown event " + QuoteForMessage(*name) +
                         " (Lead, MaxOpening, Admission, CutOff, Release or Compression, for both ends, or one led by "
                         "Front or Rear)");
    const ValveEventsTable table = ComputeValveEvents(m);
    EventPlot plot;
    plot.Pair = static_cast<int>(events.front()) / 2;
    plot.Front = plot.Rear = events.size() == 2;
    (static_cast<int>(events.front()) % 2 == 0 ? plot.Front : plot.Rear) = true;
    plot.Table = &table;
    plot.TableLabel = args.Last("open") ? std::filesystem::path(*args.Last("open")).filename().string() : "This gear";
    plot.Reverser = m.Gear.RevArmPos;
    ValveEventsTable other;
    if (const auto compare = args.Last("compare")) {
        // The file is read onto a copy, as the window's Compare with... does.
        Model b = m;
        const FileResult opened = OpenDimensionFile(b, *compare);
        if (!opened.ok()) throw UsageError(opened.error);
        other = ComputeValveEvents(b);
        plot.Other = &other;
        plot.OtherLabel = std::filesystem::path(*compare).filename().string();
    }
    SaveOrFail(path, kEventPlotWidth, kEventPlotHeight, [&](Canvas& c) { DrawEventPlot(c, plot); });
}

}  // namespace

void RunDraw(Model& m, const Arguments& args) {
    CheckOptionsFor(args, {"what", "graph", "out", "highlight", "event", "compare"});
    const auto what = args.Last("what");
    const auto out = args.Last("out");
    if (!what) throw UsageError("draw needs --what gear|sine|oval|steam|port|events");
    if (!out) throw UsageError("draw needs --out FILE.png or FILE.svg");
    const auto app = MakeFontApplication();
    const std::string graph = args.Last("graph").value_or("F");
    if (*what != "events" && (args.Has("event") || args.Has("compare")))
        throw UsageError("--event and --compare apply to the events plot only (--what events)");
    if (*what == "events") {
        if (args.Has("graph") || args.Has("highlight"))
            throw UsageError("--graph and --highlight do not apply to the events plot, which shows both graphs");
        DrawEventsPicture(m, args, *out);
    } else if (*what == "gear") {
        if (args.Has("graph")) throw UsageError("--graph applies to the port diagram only");
        DrawGearPicture(m, *out, args.Last("highlight"));
    } else if (*what == "sine" || *what == "oval" || *what == "steam" || *what == "port") {
        if (args.Has("highlight")) throw UsageError("--highlight applies to the gear picture only");
        if (args.Has("graph") && *what != "port")
            throw UsageError("--graph applies to the port diagram only");
        DrawDiagramPicture(m, *what, graph, *out);
    } else {
        throw UsageError("--what: expected gear, sine, oval, steam, port or events, got " + QuoteForMessage(*what));
    }
}

}  // namespace lm::cli
