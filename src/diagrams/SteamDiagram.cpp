// The steam diagram: both cylinder ends' indicator cards and the cut-off per position.

#include <optional>
#include <string>

#include "common/Numbers.h"
#include "diagrams/DiagramFrame.h"
#include "diagrams/Diagrams.h"
#include "diagrams/SteamCycle.h"
#include "kinematics/Guards.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/ReverseArm.h"

namespace lm {

namespace {

constexpr int kStepsPerPosition = 150;  // 600 degrees of driver rotation
constexpr int kSettlingSteps = 60;      // drawn from here on: the last full revolution
constexpr float kStepDegrees = 4;
constexpr float kStartAngle = 96;

int TravelColumn(Real travel) { return RoundToInt(584 - 0.84375L * travel); }
int PressureRow(Real pressure) { return RoundToInt(343 - 0.9L * pressure); }
int CutOffRow(int position) { return 13 * position + 233; }

void DrawGrid(Canvas& c) {
    c.SetPenColour(colours::Black);
    for (int i = 1; i <= 9; ++i) {
        for (int j = 2; j <= 20; ++j) c.Line({27 * j + 17, 32 * i + 52}, {27 * j + 17, 32 * i + 58});
        for (int k = 2; k <= 10; ++k) c.Line({54 * k - 10, 32 * i + 50}, {54 * k - 10, 32 * i + 60});
    }
    c.Line({44, 70}, {44, 346});
    c.Line({584, 70}, {584, 346});
}

void DrawPressureAxisLabel(Canvas& c) {
    // The arrow's glyphs overlap, and an opaque box would erase part of the glyph before
    // it (the backslash's lower half under the first bar), so they go on transparently.
    c.SetTextBackground(false);
    c.TextOut({24, 77}, "/");
    c.TextOut({29, 77}, "\\");
    c.TextOut({28, 81}, "|");
    c.TextOut({28, 94}, "|");
    c.SetTextBackground(true);
    constexpr int rows[] = {108, 123, 136, 149, 162, 175, 188, 201};
    const std::string cylinder = "CYLINDER", pressure = "PRESSURE";
    for (std::size_t k = 0; k < 8; ++k) {
        c.TextOut({cylinder[k] == 'I' ? 22 : 20, rows[k]}, std::string(1, cylinder[k]));
        c.TextOut({32, rows[k]}, std::string(1, pressure[k]));
    }
}

void DrawTravelLabels(Canvas& c) {
    constexpr struct { int x; const char* text; } labels[] = {
        {45, "100"}, {91, "90"},  {145, "80"}, {199, "70"}, {253, "60"},
        {307, "50"}, {361, "40"}, {415, "30"}, {469, "20"}, {523, "10"},
    };
    for (const auto& l : labels) c.TextOut({l.x, 350}, l.text);
    c.TextOut({577, 348}, "0");
    c.TextOut({186, 364}, "Percent Piston Travel");
    c.TextOut({386, 364}, "Forward End --->");
    c.Line({45, 343}, {585, 343});
}

// Where and how one end's curve, cut-off and position label are drawn.
struct EndStyle {
    CylinderEnd end;
    Rgb pen;
    ScreenPoint cutOffWord;
    int numberX, valueX;
    Real labelBase;  // the label's column is labelBase - 0.84 * travel
    int labelRow;
};

constexpr EndStyle kFront{CylinderEnd::Front, colours::DarkGreen, {587, 231}, 588, 600, 568, 122};
constexpr EndStyle kRear{CylinderEnd::Rear, colours::Red, {2, 231}, 3, 15, 600, 135};

// Cut-off is shown in percent of stroke from the end's own dead centre.
float CutOffPercent(CylinderEnd end, float travel) {
    return Store(end == CylinderEnd::Front ? travel / 6.4L : (640 - static_cast<Real>(travel)) / 6.4L);
}

// The simulation of both ends over one drawing; positions continue from each other.
struct SteamRun {
    CylinderEndState front;
    CylinderEndState rear{0, 0, SteamPhase::Admission, false};
    float previousTravel = 0;
    float previousFrontPressure = 0;
    float previousRearPressure = 0;
    // Each end's steam opening at the step before.
    float previousFrontOpening = 0;
    float previousRearOpening = 0;
    int positionCounter = 0;
};

struct StepView {
    int step;      // 1..150 within the position
    int position;  // w
    float travel;  // t
};

// One end's part of a drawn step. travel0 is shared: a front cut-off moves it for the rear.
void DrawEndStep(Canvas& c, const EndStyle& style, const StepView& v, CylinderEndState& e,
                 float previousPressure, float previousOpening, float opening, float& travel0,
                 int positionCounter, std::optional<float>& cutOff) {
    const bool drawn = v.step > kSettlingSteps;
    const float t = v.travel;
    c.SetPenColour(style.pen);
    if (previousOpening > 0 && opening <= 0) {
        const float q = Store(static_cast<Real>(previousOpening) / (static_cast<Real>(previousOpening) - opening));
        if (drawn) {
            const int row = PressureRow(previousPressure);
            const Real reach = 584 - 0.84375L * travel0 + 0.84375L * (static_cast<Real>(travel0) - t) * q;
            c.Line({TravelColumn(travel0), row}, {RoundToInt(reach), row});
        }
        travel0 = Store(travel0 + (static_cast<Real>(t) - travel0) * q);
        e.Pressure = Store(e.Pressure - q * (static_cast<Real>(e.Pressure) - previousPressure));
        cutOff = CutOffPercent(style.end, travel0);
        c.SetFontColour(style.pen);
        c.TextOut(style.cutOffWord, "%CutOff");
        c.SetFontColour(colours::Black);
        c.TextOut({style.numberX, CutOffRow(v.position)}, FormatFixed(v.position, 1, 0));
        c.TextOut({style.valueX, CutOffRow(v.position)}, FormatFixed(*cutOff, 4, 1));
    }
    if (drawn)
        c.Line({TravelColumn(travel0), PressureRow(previousPressure)}, {TravelColumn(t), PressureRow(e.Pressure)});
    if (e.Phase == SteamPhase::Expansion && e.Pressure > 150 && e.Pressure < 250 && !e.LabelDrawn) {
        e.LabelDrawn = true;
        BoldText(c, {RoundToInt(style.labelBase - 0.84L * travel0), style.labelRow},
                 FormatFixed(positionCounter, 1, 0));
    }
}

// The gear turns forwards for the gear the position selects.
bool RunsForward(const Model& m) {
    const float a = m.Gear.LiftingArmLenSolved;
    const float s = m.Gear.EccSign;
    const bool opposite = (a > 0 && s < 0) || (a < 0 && s > 0);
    return m.Gear.RevArmPos >= m.Gear.RevArmCenter ? PlainSense(m) : opposite;
}

float StepAngle(float angle, float step) {
    float a = Store(static_cast<Real>(angle) + step);
    for (int turns = 0; a > 360 && turns < 4; ++turns) a = Store(a - 360.0L);
    if (a < 0) a = Store(a + 360.0L);
    return a;
}

void DrawPosition(Model& m, Canvas& c, SteamRun& run, int w, SteamPositionReport& report) {
    const float step = RunsForward(m) ? kStepDegrees : -kStepDegrees;
    for (int s = 1; s <= kStepsPerPosition; ++s) {
        m.Gear.DriverAngle = StepAngle(m.Gear.DriverAngle, step);
        SolveLinkage(m);
        SolvePistonAndPorts(m);
        const float t = m.Valve.PistonPos;
        CylinderStep front{t, run.previousTravel, m.Valve.FrontSteamOpening, m.Valve.FrontExhaustOpening};
        AdvanceCylinderEnd(run.front, CylinderEnd::Front, front);
        m.Valve.FrontSteamOpening = front.SteamOpening;
        CylinderStep rear{t, run.previousTravel, m.Valve.RearSteamOpening, m.Valve.RearExhaustOpening};
        AdvanceCylinderEnd(run.rear, CylinderEnd::Rear, rear);
        m.Valve.RearSteamOpening = rear.SteamOpening;

        // Nothing to draw from on the very first step of a drawing.
        if (run.previousFrontPressure != 0) {
            float travel0 = run.previousTravel;
            const StepView v{s, w, t};
            DrawEndStep(c, kFront, v, run.front, run.previousFrontPressure, run.previousFrontOpening,
                        front.SteamOpening, travel0, run.positionCounter, report.FrontCutOff);
            DrawEndStep(c, kRear, v, run.rear, run.previousRearPressure, run.previousRearOpening,
                        rear.SteamOpening, travel0, run.positionCounter, report.RearCutOff);
        }
        run.previousTravel = t;
        run.previousFrontPressure = run.front.Pressure;
        run.previousRearPressure = run.rear.Pressure;
        run.previousFrontOpening = front.SteamOpening;
        run.previousRearOpening = rear.SteamOpening;
    }
}

}  // namespace

bool DrawSteamDiagram(const Model& model, Canvas& c, std::vector<SteamPositionReport>* report) {
    Model m = model;
    BeginDiagramDrawing(m, c);
    SteamRun run;
    m.Gear.DriverAngle = kStartAngle;
    m.Valve.PistonPos = 0;

    DrawGrid(c);
    DrawPressureAxisLabel(c);
    DrawTravelLabels(c);
    DrawLegendHeader(m, c);

    const int count = DiagramPositionCount(m);
    for (int w = 1; w <= count; ++w) {
        const float position = m.Gear.RevArmPositions[static_cast<std::size_t>(w)];
        m.Gear.RevArmPos = position;
        ++run.positionCounter;
        run.front.LabelDrawn = false;
        run.rear.LabelDrawn = false;
        DrawLegendRow(m, c, w, position);
        SteamPositionReport row{w, position, {}, {}};
        DrawPosition(m, c, run, w, row);
        if (report) report->push_back(row);
    }
    c.SetPenColour(colours::Black);
    DrawDiagramFooter(m, c);
    return m.Gear.GearError;
}

}  // namespace lm
