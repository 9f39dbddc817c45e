// Central differences of one valve event against each dimension, with knife-edge checks.

#include "workbench/Sensitivity.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <tbb/parallel_for.h>

#include "kinematics/Guards.h"
#include "workbench/GearTrial.h"

namespace lm {

namespace {

// How far the jump threshold reaches in the event's own unit.
double JumpInEventUnits(const Model& m, ValveEvent e) {
    if (!IsLengthEvent(e)) return kKnifeEdgeJump;
    const double stroke = std::fabs(static_cast<double>(m.Frame.Stroke));
    return kKnifeEdgeJump / 100 * (stroke > 0 && std::isfinite(stroke) ? stroke : 1.0);
}

SensitivityEntry Probe(const Model& m, const DimensionInfo& d, GearPosition at, ValveEvent e,
                       std::optional<double> here, double jump, const SensitivityOptions& o) {
    SensitivityEntry entry;
    entry.Dimension = &d;
    entry.Angle = IsAngleDimension(d);
    const float v = GetDimension(m, d);
    const double h = entry.Angle ? o.StepAngle : o.StepLength;
    // The steps as the stored singles make them, not as asked for.
    const float lo = Store(static_cast<Real>(v) - h);
    const float hi = Store(static_cast<Real>(v) + h);
    entry.Step = h;
    const std::array<DimensionValue, 1> below{{{&d, lo}}};
    const std::array<DimensionValue, 1> above{{{&d, hi}}};
    const std::optional<double> fBelow = TrialEvent(m, below, at, e);
    const std::optional<double> fAbove = TrialEvent(m, above, at, e);
    const double stepBelow = static_cast<double>(v) - lo;
    const double stepAbove = static_cast<double>(hi) - v;
    entry.KnifeEdge = IsKnifeEdge(fBelow, here, fAbove, stepBelow, stepAbove, jump);
    if (!entry.KnifeEdge) {
        const double slope = (*fAbove - *fBelow) / (stepBelow + stepAbove);
        // A value too large to step (or not finite) cannot be measured this way either.
        if (std::isfinite(slope)) entry.Slope = slope;
        else entry.KnifeEdge = true;
    }
    const double jitter = IsLengthEvent(e) ? kEventJitterLength : kEventJitterPercent;
    entry.Uncertainty = jitter / std::max(stepBelow + stepAbove, 1e-30) * 2;
    if (entry.Slope && fBelow && fAbove)
        entry.Uncertainty = std::max(
            entry.Uncertainty, std::fabs((*fAbove - *here) / stepAbove - (*here - *fBelow) / stepBelow) / 2);
    const std::optional<double> tolerance = entry.Angle ? o.ToleranceAngle : o.ToleranceLength;
    if (entry.Slope && tolerance) entry.Effect = std::fabs(*entry.Slope) * *tolerance;
    return entry;
}

}  // namespace

bool IsKnifeEdge(std::optional<double> below, std::optional<double> here, std::optional<double> above,
                 double stepBelow, double stepAbove, double jump) {
    if (!below || !here || !above) return true;
    if (!(stepBelow > 0) || !(stepAbove > 0)) return true;
    const double slopeBelow = (*here - *below) / stepBelow;
    const double slopeAbove = (*above - *here) / stepAbove;
    const double step = std::max(stepBelow, stepAbove);
    const double disagreement = std::fabs(slopeAbove - slopeBelow);
    // A smooth event changes its slope little over so small a step; a jump makes one
    // side's change much larger than the other's, and larger than rounding could.
    return disagreement * step > jump && disagreement > 0.5 * (std::fabs(slopeAbove) + std::fabs(slopeBelow));
}

int DecimalsFor(double uncertainty) {
    if (!(uncertainty > 0) || !std::isfinite(uncertainty)) return 9;
    return std::clamp(static_cast<int>(std::floor(-std::log10(uncertainty))), 0, 9);
}

std::string SlopeUnit(ValveEvent event, bool angle) {
    return EventUnit(event) + (angle ? " per degree" : " per length unit");
}

std::string EventUnit(ValveEvent event) { return IsLengthEvent(event) ? "length units" : "% of stroke"; }

SensitivityResult ComputeSensitivity(const Model& m, GearPosition at, ValveEvent event,
                                     const SensitivityOptions& options) {
    SensitivityResult result;
    const auto positive = [](const std::optional<double>& v) { return !v || (*v > 0 && std::isfinite(*v)); };
    if (!positive(options.StepLength) || !positive(options.StepAngle)) {
        result.Error = "the steps must be positive numbers";
        return result;
    }
    if (!positive(options.ToleranceLength) || !positive(options.ToleranceAngle) ||
        options.ToleranceLength.has_value() != options.ToleranceAngle.has_value()) {
        result.Error = "the tolerances must be positive numbers, one for lengths and one for angles";
        return result;
    }
    const ValveEventRow start = ValveEventsAt(TrialModel(m, {}), at);
    if (start.GearError) {
        result.Error = "the gear cannot be assembled over the whole revolution at " + std::string(GearPositionWords(at)) +
                       "; its slopes would measure the clamps, not the gear";
        return result;
    }
    const std::optional<double> here = start.Value(event);
    if (!here) {
        result.Error = "the " + std::string(ValveEventWords(event)) + " does not occur at " +
                       std::string(GearPositionWords(at));
        return result;
    }
    result.Value = *here;
    const double jump = JumpInEventUnits(m, event);
    const auto dims = AllDimensions();
    std::vector<SensitivityEntry> entries(dims.size());
    tbb::parallel_for(std::size_t{0}, dims.size(),
                      [&](std::size_t k) { entries[k] = Probe(m, dims[k], at, event, here, jump, options); });
    const bool byEffect = options.ToleranceLength.has_value();
    // Knife edges last, then (without tolerances) the angles after the lengths.
    const auto group = [byEffect](const SensitivityEntry& e) { return !e.Slope ? 2 : !byEffect && e.Angle ? 1 : 0; };
    const auto size = [byEffect](const SensitivityEntry& e) {
        return byEffect ? e.Effect.value_or(-1) : e.Slope ? std::fabs(*e.Slope) : -1.0;
    };
    std::stable_sort(entries.begin(), entries.end(), [&](const SensitivityEntry& a, const SensitivityEntry& b) {
        if (group(a) != group(b)) return group(a) < group(b);
        return size(a) > size(b);
    });
    result.Entries = std::move(entries);
    return result;
}

}  // namespace lm
