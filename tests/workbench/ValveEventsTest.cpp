// The valve-events table against the port diagram's own crossings, against solves made
// here, and against gears whose answer is known without the table.
#include <cmath>

#include <gtest/gtest.h>

#include "diagrams/Diagrams.h"
#include "graphics/NullCanvas.h"
#include "kinematics/LinkageSolver.h"
#include "kinematics/MidGear.h"
#include "kinematics/PistonAndPorts.h"
#include "kinematics/StartUp.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "workbench/ValveEvents.h"

namespace lm {
namespace {

Model Nominal() {
    Model m;
    StartUp(m);
    return m;
}

void Set(Model& m, const char* name, float value) {
    ApplyEditedDimension(m, *FindDimension(name), value);
    FindMidGear(m);
}

float Dim(const Model& m, const char* name) { return GetDimension(m, *FindDimension(name)); }

// The steam openings solved here at the two dead centres.
std::pair<float, float> LeadsAt(Model m, float revArmPos) {
    m.Gear.RevArmPos = revArmPos;
    m.Gear.DriverAngle = 0;
    SolveLinkage(m);
    SolvePistonAndPorts(m);
    const float front = m.Valve.FrontSteamOpening;
    m.Gear.DriverAngle = 180;
    SolveLinkage(m);
    SolvePistonAndPorts(m);
    return {front, m.Valve.RearSteamOpening};
}

TEST(ValveEvents, EveryRowIsThePortDiagramsLastCrossingOfEachEvent) {
    const Model m = Nominal();
    constexpr std::pair<PortEvent, ValveEvent> pairs[] = {
        {FrontSteamOpens, ValveEvent::FrontAdmission},  {FrontSteamCloses, ValveEvent::FrontCutOff},
        {FrontExhaustOpens, ValveEvent::FrontRelease},  {FrontExhaustCloses, ValveEvent::FrontCompression},
        {RearSteamOpens, ValveEvent::RearAdmission},    {RearSteamCloses, ValveEvent::RearCutOff},
        {RearExhaustOpens, ValveEvent::RearRelease},    {RearExhaustCloses, ValveEvent::RearCompression},
    };
    for (char graph : {'F', 'R'}) {
        Model drawn = m;
        std::vector<PortRowReport> report;
        NullCanvas canvas;
        DrawPortDiagram(drawn, canvas, graph, false, &report);
        const std::vector<ValveEventRow> table = ValveEventRows(m, graph, EventMethod::Diagram);
        ASSERT_EQ(table.size(), report.size());
        for (std::size_t i = 0; i < table.size(); ++i) {
            SCOPED_TRACE(std::string(1, graph) + " row " + std::to_string(i));
            EXPECT_EQ(table[i].RevArmPos, report[i].RevArmPos);
            for (const auto& [port, event] : pairs) {
                const auto& crossings = report[i].Crossings[port];
                const std::optional<double> v = table[i].Value(event);
                ASSERT_EQ(v.has_value(), !crossings.empty()) << ValveEventName(event);
                if (!v) continue;
                const bool front = static_cast<int>(event) % 2 == 0;
                const double percent = front ? crossings.back() / 6.4 : (640.0 - crossings.back()) / 6.4;
                EXPECT_DOUBLE_EQ(*v, percent) << ValveEventName(event);
            }
            const auto [front, rear] = LeadsAt(m, table[i].RevArmPos);
            EXPECT_NEAR(*table[i].Value(ValveEvent::FrontLead), front, 1e-6);
            EXPECT_NEAR(*table[i].Value(ValveEvent::RearLead), rear, 1e-6);
            EXPECT_GE(*table[i].Value(ValveEvent::FrontMaxOpening), *table[i].Value(ValveEvent::FrontLead));
            EXPECT_NEAR(*table[i].Difference(3),
                        *table[i].Value(ValveEvent::FrontCutOff) - *table[i].Value(ValveEvent::RearCutOff), 1e-12);
        }
    }
}

TEST(ValveEvents, MidGearRunBackwardsSwapsOpeningAndClosing) {
    // Row 0 of both graphs is mid gear: the reverse graph turns the same gear backwards,
    // so every port that opens in one closes at the same travel in the other.
    Model m = Nominal();
    Set(m, "EccAngFwd", 238);  // no symmetry to lean on
    const ValveEventsTable t = ComputeValveEvents(m);
    const ValveEventRow& f = t.Forward.front();
    const ValveEventRow& r = t.Reverse.front();
    ASSERT_EQ(f.RevArmPos, r.RevArmPos);
    const std::pair<ValveEvent, ValveEvent> swapped[] = {
        {ValveEvent::FrontAdmission, ValveEvent::FrontCutOff},   {ValveEvent::FrontCutOff, ValveEvent::FrontAdmission},
        {ValveEvent::RearAdmission, ValveEvent::RearCutOff},     {ValveEvent::RearCutOff, ValveEvent::RearAdmission},
        {ValveEvent::FrontRelease, ValveEvent::FrontCompression}, {ValveEvent::RearRelease, ValveEvent::RearCompression},
        {ValveEvent::FrontLead, ValveEvent::FrontLead},          {ValveEvent::RearMaxOpening, ValveEvent::RearMaxOpening},
    };
    for (const auto& [forward, reverse] : swapped) {
        ASSERT_TRUE(f.Value(forward) && r.Value(reverse)) << ValveEventName(forward);
        EXPECT_NEAR(*f.Value(forward), *r.Value(reverse), 1e-3) << ValveEventName(forward);
    }
}

TEST(ValveEvents, MovingTheValveOnItsStemMovesTheLeadsOppositely) {
    // The stem joint's offset shifts the valve and nothing else: front openings grow by
    // exactly the shift, rear ones shrink by it.
    const Model m = Nominal();
    Model shifted = m;
    constexpr float kShift = 0.01f;
    Set(shifted, "ValveCtrToJoint", Dim(m, "ValveCtrToJoint") + kShift);
    const auto before = ValveEventRows(m, 'F');
    const auto after = ValveEventRows(shifted, 'F');
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_NEAR(*after[i].Value(ValveEvent::FrontLead) - *before[i].Value(ValveEvent::FrontLead), kShift, 2e-6);
        EXPECT_NEAR(*after[i].Value(ValveEvent::RearLead) - *before[i].Value(ValveEvent::RearLead), -kShift, 2e-6);
        EXPECT_NEAR(*after[i].Difference(0) - *before[i].Difference(0), 2 * kShift, 4e-6);
        // The greatest travel past the port edge: the opening and the travel beyond full.
        const auto travel = [](const ValveEventRow& r) { return *r.Value(ValveEvent::FrontMaxOpening) + *r.OverTravel[0]; };
        EXPECT_NEAR(travel(after[i]) - travel(before[i]), kShift, 2e-6);
    }
}

TEST(ValveEvents, EventsThatDoNotHappenAreEmptyNotZero) {
    // A steam lap wider than the valve's travel: the steam ports never open.
    Model m = Nominal();
    Set(m, "ValveCtrToRing", 0.5f);
    for (const ValveEventRow& row : ValveEventRows(m, 'F')) {
        for (ValveEvent e : {ValveEvent::FrontAdmission, ValveEvent::FrontCutOff, ValveEvent::RearAdmission,
                             ValveEvent::RearCutOff, ValveEvent::FrontMaxOpening, ValveEvent::RearMaxOpening})
            EXPECT_FALSE(row.Value(e)) << ValveEventName(e);
        ASSERT_TRUE(row.Value(ValveEvent::FrontLead));
        EXPECT_LT(*row.Value(ValveEvent::FrontLead), 0);  // the port is still covered
        EXPECT_FALSE(row.Difference(3));
        EXPECT_TRUE(row.Difference(0));
    }
}

}  // namespace
}  // namespace lm
