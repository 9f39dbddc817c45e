// What a tolerance study's samples say about each event at each setting.

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tolerance/StudyPlan.h"
#include "tolerance/ToleranceRun.h"

namespace lm {

struct ShareOfVariance {
    int Source = 0;
    double Share = 0;
};

// NaN stands for "none": no sample gave the event, or the drawn gear has none.
struct EventStatistics {
    float Nominal = 0;
    double P1 = 0, P50 = 0, P99 = 0;
    // The sample farthest from the nominal value (the higher one on a tie).
    double Worst = 0;
    double Unassembled = 0;  // share of the samples that could not be assembled there
    double Absent = 0;       // share of the samples assembled but without the event
    // How much of the variance the shares account for (R squared of the linear fit).
    double Explained = 0;
    std::vector<ShareOfVariance> Shares;  // largest first, summing to 1; empty when unknown
};

struct ToleranceSummary {
    std::vector<EventStatistics> Results;  // [setting * kStudyEventCount + event]
    const EventStatistics& At(std::size_t setting, int event) const {
        return Results[setting * kStudyEventCount + static_cast<std::size_t>(event)];
    }
};

// The data must hold every sample of the plan, in order. The same data give the same
// bits, however they were computed.
ToleranceSummary Summarize(const StudyPlan& plan, const NominalEvents& nominal, const SampleData& data);

// The p-th percentile (0..100) of sorted values, linear between the two nearest ranks.
double Percentile(std::span<const float> sorted, double p);

// Each variable's share of the variance of y, from the least-squares fit of y on the
// variables' standardised changes: x[i * variables + k] is variable k in sample i.
// Empty when the fit is undetermined (fewer samples than variables + 2, a constant
// variable, or y constant).
struct LinearShares {
    std::vector<double> Shares;  // per variable, summing to 1
    double Explained = 0;
};
LinearShares FitShares(std::span<const double> x, std::span<const double> y, std::size_t variables);

// The sums the fit is made from: y is counted from its mean (a constant y then has no
// variance at all, not a rounding's worth).
struct ShareMoments {
    explicit ShareMoments(std::size_t variables = 0)
        : Sx(variables), Sxx(variables * variables), Sxy(variables) {}
    std::size_t Variables() const { return Sx.size(); }
    // Another sample's variables: every sample counts here, with a y or not.
    void AddX(std::span<const double> x);
    void AddY(std::span<const double> x, double yFromMean);
    // Takes out what `other` added with AddX (the samples without a y).
    void RemoveX(const ShareMoments& other);

    double N = 0;
    std::vector<double> Sx, Sxx;  // Sxx: only j <= k is kept
    double Sy = 0, Syy = 0;
    std::vector<double> Sxy;
};
LinearShares FitShares(const ShareMoments& m);

}  // namespace lm
