// The port open/close diagram: its grid, gear marks, legend, event curves and the cycle
// annotation, drawn from the port sweep.

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"
#include "diagrams/DiagramFrame.h"
#include "diagrams/Diagrams.h"
#include "diagrams/PortEvents.h"
#include "diagrams/PortSweep.h"
#include "kinematics/Guards.h"

namespace lm {

namespace {

constexpr int kAnchorRow = 13;    // the row the cycle annotation runs along
constexpr int kAnchorY = PortRowY(kAnchorRow);

void DrawFrameAndGrid(Canvas& c) {
    c.SetPenColour(colours::Black);
    c.Line({9, 42}, {9, 353});
    c.Line({9, 343}, {549, 343});
    c.Line({549, 353}, {549, 42});
    for (int i = 0; i <= 9; ++i) {
        const int y = 32 * i;
        for (int j = 2; j <= 20; ++j) c.Line({27 * j - 18, y + 52}, {27 * j - 18, y + 58});
        for (int k = 2; k <= 10; ++k) c.Line({54 * k - 45, y + 45}, {54 * k - 45, y + 65});
        for (int l = 2; l <= 22; ++l) c.Line({27 * l - 49, y + 55}, {27 * l - 40, y + 55});
    }
}

// The row of the normal working gear, where full gear is row 55. None for a gear whose
// full travel is zero: the scale then has no length to place it on.
std::optional<int> NormalGearRow(const Model& m) {
    const Real max = m.Frame.RevArmCentMax;
    if (max == 0) return std::nullopt;
    const Real y = 343 - 288 * static_cast<Real>(m.Frame.RevArmCentNorm) / max;
    constexpr std::int32_t kFar = 1 << 24;  // far off the canvas, yet safe to offset
    return std::clamp(RoundToInt(y), -kFar, kFar);
}

void DrawGearMarks(const Model& m, Canvas& c) {
    c.SetFontColour(colours::Red);
    c.TextOut({420, 47}, "Maximum");
    if (const std::optional<int> yN = NormalGearRow(m)) {
        c.SetPenColour(colours::Blue);
        // Past the window's right edge, which the large-font layout moves out.
        c.Line({59, *yN}, {std::max(650, TextScaleExtent(kDiagramWidth, m.Display.TextScaleX)), *yN});
        c.SetPenColour(colours::Black);
        c.SetFontColour(colours::Blue);
        c.TextOut({345, *yN - 7}, "Normal");
    }
    c.SetFontColour(colours::Black);
}

void DrawLabels(Canvas& c) {
    constexpr struct { int x; const char* text; } percents[] = {
        {10, "0"},   {56, "10"},  {110, "20"}, {164, "30"}, {218, "40"},
        {272, "50"}, {326, "60"}, {380, "70"}, {434, "80"}, {488, "90"},
    };
    for (const auto& l : percents) c.TextOut({l.x, 353}, l.text);
    c.TextOut({529, 350}, "100");
    c.TextOut({200, 367}, "Percent Piston Travel");
    c.TextOut({568, 350}, "Center");

    const auto column = [&c](const std::string& word, std::initializer_list<int> rows) {
        std::size_t k = 0;
        for (int row : rows) {
            const char letter = word[k++];
            c.TextOut({letter == 'I' ? 537 : 535, row}, std::string(1, letter));
        }
    };
    column("REVERSE", {76, 90, 104, 118, 132, 146, 160});
    column("ARM", {178, 192, 206});
    column("POSITION", {224, 238, 252, 266, 280, 294, 308, 322});
}

void DrawGraphLegend(Canvas& c, char graph) {
    if (graph == 'R') {
        c.TextOut({415, 321}, "Rev.");
        c.SetFontColour(kReverseFrontColour);
        c.TextOut({446, 315}, "Front Port");
        c.SetFontColour(kReverseRearColour);
        c.TextOut({446, 327}, "Rear Port");
    } else {
        c.TextOut({415, 290}, "Fwd.");
        c.SetFontColour(kForwardFrontColour);
        c.TextOut({446, 284}, "Front Port");
        c.SetFontColour(kForwardRearColour);
        c.TextOut({446, 296}, "Rear Port");
    }
    c.SetFontColour(colours::Black);
}

// Where the forward graph's cycle annotation meets row 13: the columns (unrounded) of
// admission, cut-off, release and compression at the front end.
struct Anchors {
    float admission = 0, cutOff = 0, release = 0, compression = 0;
    void Place(PortEvent e, float column) {
        switch (e) {
            case FrontSteamOpens: admission = column; break;
            case FrontExhaustOpens: release = column; break;
            case FrontSteamCloses: cutOff = column; break;
            case FrontExhaustCloses: compression = column; break;
            default: break;
        }
    }
};

// Each event's curve joins its crossing on one row to its next one.
struct EventTrack {
    float last = -1;
    float copy = 0;
};

struct Tracks {
    std::array<EventTrack, kPortEventCount> tracks{};
    Anchors anchors;
};

// Draws one swept row's curve pieces in the order the sweep found them, with the pen
// back to black after every step as the sweep has always left it.
void DrawRowCurves(Canvas& c, char graph, const PortRowSweep& row, Tracks& t, PortRowReport& report) {
    auto crossing = row.Crossings.begin();
    for (int j = 1; j <= kPortStepsPerRow; ++j) {
        for (; crossing != row.Crossings.end() && crossing->Step == j; ++crossing) {
            const PortEvent e = crossing->Event;
            const float travel = crossing->Travel;
            EventTrack& track = t.tracks[static_cast<std::size_t>(e)];
            if (track.copy == track.last) {
                c.SetPenColour(EventColour(e, graph));
                c.Line({EventColumn(e, track.last), PortRowY(row.Row - 1)}, {EventColumn(e, travel), PortRowY(row.Row)});
            }
            track.last = travel;
            track.copy = travel;
            if (row.Row == kAnchorRow) t.anchors.Place(e, Store(9 + 0.84375L * travel));
            report.Crossings[static_cast<std::size_t>(e)].push_back(travel);
        }
        c.SetPenColour(colours::Black);
    }
}

void DrawRows(Canvas& c, char graph, const std::vector<PortRowSweep>& rows, Tracks& tracks,
              std::vector<PortRowReport>* report) {
    for (const PortRowSweep& swept : rows) {
        const int valueRow = 336 - 16 * swept.Row;
        if (graph == 'R') {
            c.TextOut({605, 32}, "Rev.");
            c.TextOut({596, valueRow}, FormatFixed(swept.RevArmPos, 7, 3));
        } else {
            c.TextOut({554, 32}, "Forward");
            c.TextOut({556, valueRow}, FormatFixed(swept.RevArmPos, 7, 3));
        }
        PortRowReport row;
        row.Row = swept.Row;
        row.RevArmPos = swept.RevArmPos;
        DrawRowCurves(c, graph, swept, tracks, row);
        if (report) report->push_back(std::move(row));
    }
}

int X(Real x) { return RoundToInt(x); }

// The Adm - Exp - Exh - Com cycle drawn along row 13 and the tracks above and below it.
void DrawCycleAnnotation(Canvas& c, const Anchors& an) {
    const Real a = an.admission, p = an.cutOff, q = an.release, r = an.compression;
    constexpr int y = kAnchorY, above = kAnchorY - 34, below = kAnchorY + 34;
    c.SetPenColour(colours::Black);
    c.SetFontBold(true);
    const ScreenPoint expansion[] = {{X(p - 110), above}, {X(p - 70), above}, {X(p - 20), y}, {X(p), y},
                                     {X(p - 12), y - 4},  {X(p - 12), y + 4}, {X(p), y}};
    c.Polyline(expansion);
    c.TextOut({X(p + 10), y - 6}, "Exp");
    const ScreenPoint toRelease[] = {{X(p + 40), y}, {X(q), y}, {X(q - 12), y - 4}, {X(q - 12), y + 4}, {X(q), y}};
    c.Polyline(toRelease);
    const ScreenPoint exhaust[] = {{X(q + 8), y}, {549, y}, {529, below}, {X(q - 160), below}};
    c.Polyline(exhaust);
    c.TextOut({X(q - 190), below - 6}, "Exh");
    const ScreenPoint compression[] = {{X(q - 200), below}, {X(r + 100), below}, {X(r + 50), y}, {X(r), y},
                                       {X(r + 12), y - 4},  {X(r + 12), y + 4},  {X(r), y}};
    c.Polyline(compression);
    c.TextOut({X(r - 25), y - 6}, "Com");
    const ScreenPoint admission[] = {{X(r - 30), y}, {X(a), y},  {X(a + 12), y + 4}, {X(a + 12), y - 4},
                                     {X(a), y},      {9, y},     {27, above},        {X(p - 150), above}};
    c.Polyline(admission);
    c.TextOut({X(p - 140), above - 6}, "Adm");
    c.SetFontBold(false);
}

}  // namespace

bool DrawPortDiagram(const Model& model, Canvas& c, char graph, bool cycleLabels,
                     std::vector<PortRowReport>* report) {
    if (graph != 'R') graph = 'F';
    Model m = model;
    BeginDiagramDrawing(m, c);
    const std::vector<PortRowSweep> rows = SweepPortRows(m, graph);
    Tracks tracks;

    DrawFrameAndGrid(c);
    DrawGearMarks(m, c);
    DrawLabels(c);
    DrawGraphLegend(c, graph);
    DrawRows(c, graph, rows, tracks, report);
    if (cycleLabels) DrawCycleAnnotation(c, tracks.anchors);
    DrawDiagramFooter(m, c);
    return m.Gear.GearError;
}

}  // namespace lm
