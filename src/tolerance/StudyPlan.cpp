// Planning a study on a gear, drawing a sample's changes and building that sample's gear.

#include "tolerance/StudyPlan.h"

#include <vector>

#include "common/Real.h"
#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "tolerance/PinJoints.h"
#include "tolerance/SampleDraws.h"

namespace lm {

namespace {

// Streams: a dimension's tolerance draws from its table index, a pin's link from the pin
// and the link, so a variable keeps its numbers whatever else the study holds.
constexpr std::uint64_t kPinStreams = 1'000'000;
constexpr std::uint64_t kLinksPerPin = 16;

int DimensionIndex(std::string_view code) {
    const auto dims = AllDimensions();
    for (std::size_t k = 0; k < dims.size(); ++k)
        if (dims[k].CodeName == code) return static_cast<int>(k);
    return -1;
}

double ToleranceOf(const ToleranceStudy& study, const DimensionInfo& d) {
    for (const auto& [name, t] : study.Tolerances)
        if (name == d.CodeName) return t;
    return IsAngleDimension(d) ? study.DefaultAngle : study.DefaultLength;
}

// The drawn gear's settings: where the arm stands for each and which way it turns there.
std::vector<PlannedSetting> PlanSettings(const Model& gear, const std::vector<StudySetting>& settings) {
    Model drawn = gear;
    FindMidGear(drawn);
    const double centre = drawn.Gear.RevArmCenter;
    const double reverse = StudyArmPosition(drawn, {"rev", GearPosition::Reverse, GearPosition::Reverse, 0});
    const double forward = StudyArmPosition(drawn, {"fwd", GearPosition::Forward, GearPosition::Forward, 0});
    const double forwardSign = forward < centre ? -1 : 1;
    std::vector<PlannedSetting> planned;
    for (const StudySetting& s : settings) {
        const double arm = StudyArmPosition(drawn, s);
        PlannedSetting p;
        p.Setting = s;
        p.Graph = (arm - centre) * (reverse - centre) > 0 ? 'R' : 'F';
        p.Reverser = (arm - centre) * forwardSign;
        planned.push_back(p);
    }
    return planned;
}

}  // namespace

StudyPlan PlanStudy(const Model& gear, const ToleranceStudy& study) {
    StudyPlan plan;
    plan.Samples = study.Samples;
    plan.Seed = study.Seed;
    const bool normal = study.Shape == Spread::Normal;
    const auto dims = AllDimensions();
    for (std::size_t k = 0; k < dims.size(); ++k) {
        const double t = ToleranceOf(study, dims[k]);
        if (!(t > 0)) continue;
        plan.Variables.push_back({static_cast<int>(plan.Sources.size()), k, t, normal, {{static_cast<int>(k), 1}}});
        plan.Sources.emplace_back(dims[k].CodeName);
    }
    for (const auto& [pivot, clearance] : study.Clearances) {
        const PinJoint* joint = FindPinJoint(pivot);
        if (!joint || !(clearance > 0)) continue;
        const int source = static_cast<int>(plan.Sources.size());
        plan.Sources.push_back("pin " + std::to_string(pivot));
        for (std::size_t l = 0; l < joint->Links.size(); ++l) {
            StudyVariable v{source, kPinStreams + static_cast<std::uint64_t>(pivot) * kLinksPerPin + l,
                            clearance / 2, false, {}};
            for (const LinkLength& length : joint->Links[l].Lengths)
                v.Lengths.push_back({DimensionIndex(length.CodeName), length.Factor});
            plan.Variables.push_back(std::move(v));
        }
    }
    std::vector<StudySetting> settings;
    ParseStudySettings(study.Settings, settings);
    plan.Settings = PlanSettings(gear, settings);
    return plan;
}

void DrawSample(const StudyPlan& plan, std::uint64_t index, std::span<double> changes) {
    for (std::size_t k = 0; k < plan.Variables.size() && k < changes.size(); ++k) {
        const StudyVariable& v = plan.Variables[k];
        const double u = UniformDraw(plan.Seed, index, v.Stream);
        changes[k] = v.Normal ? v.Reach / 3 * NormalQuantile(u) : v.Reach * (2 * u - 1);
    }
}

Model SampleGear(const Model& gear, const StudyPlan& plan, std::span<const double> changes) {
    const auto dims = AllDimensions();
    std::vector<double> moved(dims.size());
    for (std::size_t k = 0; k < plan.Variables.size() && k < changes.size(); ++k)
        for (const PlannedLength& l : plan.Variables[k].Lengths)
            moved[static_cast<std::size_t>(l.Dimension)] += l.Factor * changes[k];
    Model built = gear;
    for (std::size_t k = 0; k < dims.size(); ++k)
        if (moved[k] != 0)
            ApplyEditedDimension(built, dims[k], Store(static_cast<Real>(GetDimension(gear, dims[k])) + moved[k]));
    built.Gear.ErrorBeepOn = true;
    built.Gear.GearError = false;
    FindMidGear(built);
    return built;
}

}  // namespace lm
