// What goes on which page of the gear report.

#include "report/ReportLayout.h"

#include <cctype>

#include "common/Numbers.h"
#include "common/Version.h"
#include "kinematics/RevArmPositionSet.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "report/PageFlow.h"
#include "workbench/ValveEventsText.h"

namespace lm {

namespace {

constexpr int kPt = kReportUnitsPerPoint;
constexpr int kTitleSize = 16 * kPt;
constexpr int kHeadingSize = 12 * kPt;
constexpr int kBodySize = 9 * kPt;
constexpr int kNoteSize = 8 * kPt;
constexpr TableStyle kTableStyle{34, 42, 10 * kPt};   // 8.5 points on 10.5
constexpr TableStyle kEventsStyle{28, 34, 7 * kPt};   // three tables of 19 rows to a page
constexpr Rgb kWarning{176, 0, 0};
constexpr const char* kMissing = "\u2013";  // an event that does not occur

std::string Fixed(double value, int decimals) {
    const std::string s = FormatFixed(value, 1, decimals);
    return s.substr(s.find_first_not_of(' '));
}

void Heading(PageFlow& flow, const std::string& text) {
    // A heading is not left alone at the foot of a page.
    if (flow.Room() < 8 * kHeadingSize) flow.NewPage();
    flow.Gap(kHeadingSize / 2);
    flow.Text(text, kHeadingSize, true);
    flow.Gap(kHeadingSize / 4);
}

void TitleBlock(PageFlow& flow, const GearReport& r) {
    flow.Text("Gear report: " + r.SetName, kTitleSize, true);
    flow.Gap(kBodySize / 2);
    flow.Text("Made " + r.Made + " with LINKMOTION Inside Admission " + std::string(kVersion) + ".",
              kBodySize, false);
    flow.Text("Lengths are in the dimensions' own unit; valve events in percent of stroke.", kBodySize,
              false);
    if (r.Clamped) {
        flow.Gap(kBodySize / 2);
        flow.Paragraph("Warning: this gear cannot be assembled everywhere. The solver had to clamp "
                       "its geometry at the present setting or at some of the reverser settings "
                       "swept; numbers from those settings are not the gear's.",
                       kBodySize, kWarning);
    }
}

void MidGearSection(PageFlow& flow, const GearReport& r) {
    Heading(flow, "Mid gear");
    if (!r.MidGear) {
        flow.Paragraph("The sweep at mid gear gives no lead or lap for this gear.", kBodySize, kWarning);
        return;
    }
    const MidGearBlock& b = *r.MidGear;
    ReportTable t;
    t.Headings = {{"", "Front", "Rear"}};
    t.RightAligned = {false, true, true};
    t.Rows = {{"Lead", Fixed(b.FrontLead, 3), Fixed(b.RearLead, 3)},
              {"Lap", Fixed(b.FrontLap, 3), Fixed(b.RearLap, 3)},
              {"Exhaust clearance", Fixed(b.FrontExCl, 3), Fixed(b.RearExCl, 3)}};
    flow.Table(t, kTableStyle);
    flow.Text("As the sine diagram works them out at mid gear.", kNoteSize, false);
}

// The gear as the main window draws it standing, without the readouts.
void GearSection(PageFlow& flow, std::shared_ptr<const GearReport> r) {
    Heading(flow, "The gear");
    const auto& g = r->Gear.Gear;
    flow.Text("Reverse arm at " + Fixed(g.RevArmPos, 3) + " (mid gear " + Fixed(g.RevArmCenter, 3) +
                  "), driver at " + Fixed(g.DriverAngle, 1) + " degrees.",
              kBodySize, false);
    flow.Gap(kBodySize / 2);
    flow.Picture(kClientAreaWidth, kClientAreaHeight, flow.Room(), [r](Canvas& canvas) {
        Model m = r->Gear;
        m.Display.ScreenDataOn = false;
        m.Gear.StepAngle = 0;
        MainWindowState state;
        AnimationTick(m, state);
        RenderMainWindow(m, state, canvas);
    });
}

void DimensionsSection(PageFlow& flow, const GearReport& r) {
    for (const bool frame : {true, false}) {
        Heading(flow, frame ? "Frame dimensions" : "Cylinder dimensions");
        ReportTable t;
        t.Headings = {{"", "Dimension", "Code name", "Value"}};
        t.RightAligned = {true, false, false, true};
        int number = 0;
        for (const ReportDimension& d : r.Dimensions)
            if (d.Frame == frame)
                t.Rows.push_back({std::to_string(++number), d.Label, d.CodeName, ExactSingleText(d.Value)});
        flow.Table(t, kTableStyle);
    }
}

std::string Capitalised(std::string_view words) {
    std::string s(words);
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

// One end's events (or the front-minus-rear differences) for each row of one direction.
ReportTable EventsTable(const std::vector<ValveEventRow>& rows, int end) {
    ReportTable t;
    std::vector<std::string> names{"Row", "Arm"}, units{"", ""};
    for (int p = 0; p < kValveEventPairCount; ++p) {
        const ValveEvent front = static_cast<ValveEvent>(2 * p);
        // "front greatest opening" -> "Greatest opening"
        names.push_back(Capitalised(ValveEventWords(front).substr(ValveEventWords(front).find(' ') + 1)));
        units.push_back(IsLengthEvent(front) ? "length" : "% stroke");
    }
    t.Headings = {names, units};
    t.RightAligned.assign(names.size(), true);
    for (const ValveEventRow& row : rows) {
        // A row the gear cannot be assembled through is marked, as the note says.
        std::vector<std::string> cells{std::to_string(row.Row) + (row.GearError ? " !" : ""),
                                       Fixed(row.RevArmPos, 3)};
        for (int p = 0; p < kValveEventPairCount; ++p) {
            const std::string text =
                end < 2 ? EventCellText(static_cast<ValveEvent>(2 * p + end), row.Value(static_cast<ValveEvent>(2 * p + end)))
                        : DifferenceCellText(p, row.Difference(p));
            cells.push_back(text.empty() ? kMissing : text);
        }
        t.Rows.push_back(std::move(cells));
    }
    return t;
}

void EventsSection(PageFlow& flow, const GearReport& r) {
    for (const bool forward : {true, false}) {
        flow.NewPage();
        Heading(flow, forward ? "Valve events, forward gear" : "Valve events, reverse gear");
        flow.Paragraph("For each of the port open/close diagram's rows (arm position in length units), "
                       "every event found exactly on the solver. Lead is the opening at the end's dead "
                       "centre (negative while the port is still covered), greatest opening in length "
                       "units; admission, cut-off, release and compression are percent of stroke, front "
                       "events from the front dead centre, rear ones from the rear. A dash: the event "
                       "does not occur. A row marked ! cannot be assembled over the whole revolution; "
                       "its events are not the gear's.",
                       kNoteSize);
        const std::vector<ValveEventRow>& rows = forward ? r.Events.Forward : r.Events.Reverse;
        const char* const titles[] = {"Front end", "Rear end", "Front minus rear"};
        for (int end = 0; end < 3; ++end) {
            flow.Gap(kBodySize / 2);
            flow.Text(titles[end], kBodySize, true);
            flow.Table(EventsTable(rows, end), kEventsStyle);
        }
    }
}

void DiagramsSection(PageFlow& flow, std::shared_ptr<const GearReport> r) {
    struct Diagram {
        const char* title;
        int height;
        void (*draw)(Model&, Canvas&);
    };
    const Diagram diagrams[] = {
        {"Sine diagram: valve travel against driver angle", kSineDiagramHeight,
         [](Model& m, Canvas& c) { DrawSineDiagram(m, c); }},
        {"Oval diagram: valve travel against piston travel", kOvalDiagramHeight,
         [](Model& m, Canvas& c) { DrawOvalDiagram(m, c); }},
        {"Steam diagram: cylinder pressure and cut-off", kSteamDiagramHeight,
         [](Model& m, Canvas& c) { DrawSteamDiagram(m, c); }},
        {"Port open/close diagram, both directions", kPortDiagramHeight,
         [](Model& m, Canvas& c) {
             DrawPortDiagram(m, c, 'F', true);
             DrawPortDiagram(m, c, 'R', false);
         }},
    };
    // Two to a page, on A4 and on Letter.
    const int heading = 3 * kHeadingSize;
    int half = 0;
    for (int i = 0; i < 4; ++i) {
        if (i % 2 == 0) {
            flow.NewPage();
            half = flow.Room() / 2;
        }
        Heading(flow, diagrams[i].title);
        const auto draw = diagrams[i].draw;
        flow.Picture(kDiagramWidth, diagrams[i].height, half - heading, [r, draw](Canvas& canvas) {
            Model m = r->Gear;
            // As the diagram's window shows it once the position window has been through
            // the set.
            ApplyRevArmRunRule(m);
            draw(m, canvas);
        });
    }
}

}  // namespace

std::vector<Page> LayOutReport(std::shared_ptr<const GearReport> report, PageSize size,
                               const TextWidth& width) {
    PageFlow flow(size, width);
    TitleBlock(flow, *report);
    MidGearSection(flow, *report);
    GearSection(flow, report);
    flow.NewPage();
    DimensionsSection(flow, *report);
    EventsSection(flow, *report);
    DiagramsSection(flow, report);
    return flow.Finish("LINKMOTION Inside Admission \u2013 gear report: " + report->SetName,
                       "Made " + report->Made);
}

}  // namespace lm
