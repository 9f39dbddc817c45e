// Percentiles, worst cases, unassembled shares and the variance shares of a study.

#include "tolerance/ToleranceStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

#include "tolerance/SampleDraws.h"

namespace lm {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// Solves A z = b for symmetric positive definite A (n x n, row-major) by Cholesky;
// false when A is not safely positive definite.
bool SolveSymmetric(std::vector<double> a, std::vector<double>& b, std::size_t n) {
    for (std::size_t j = 0; j < n; ++j) {
        double d = a[j * n + j];
        for (std::size_t k = 0; k < j; ++k) d -= a[j * n + k] * a[j * n + k];
        // A correlation matrix's pivots stay near 1; this small one means a variable is
        // (nearly) a combination of others.
        if (!(d > 1e-9)) return false;
        const double l = std::sqrt(d);
        a[j * n + j] = l;
        for (std::size_t i = j + 1; i < n; ++i) {
            double s = a[i * n + j];
            for (std::size_t k = 0; k < j; ++k) s -= a[i * n + k] * a[j * n + k];
            a[i * n + j] = s / l;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        double s = b[i];
        for (std::size_t k = 0; k < i; ++k) s -= a[i * n + k] * b[k];
        b[i] = s / a[i * n + i];
    }
    for (std::size_t i = n; i-- > 0;) {
        double s = b[i];
        for (std::size_t k = i + 1; k < n; ++k) s -= a[k * n + i] * b[k];
        b[i] = s / a[i * n + i];
    }
    return true;
}

struct ResultSums {
    std::uint64_t Present = 0;
    double Mean = 0;
    std::uint64_t Unassembled = 0;
    std::uint64_t Absent = 0;
    // y's sums; the variables' own come from the sums over every sample, less Missing's.
    double Sy = 0, Syy = 0;
    std::vector<double> Sxy;
    // The variables of the samples without the event; made only when there are some.
    std::optional<ShareMoments> Missing;
};

bool IsPresent(const SampleData& d, std::uint64_t i, std::size_t s, int e) {
    return d.IsAssembled(i, s) && !std::isnan(d.Value(i, s, e));
}

// One event at one setting. Its values are gathered only now, one event at a time, so a
// large study holds no more than one event's copy beside its samples.
void Statistics(const ResultSums& r, const ShareMoments* all, float nominal, const StudyPlan& plan,
                const SampleData& data, std::size_t setting, int event, EventStatistics& out) {
    const auto& sources = plan.Sources;
    const auto& variables = plan.Variables;
    out.Nominal = nominal;
    out.Unassembled = static_cast<double>(r.Unassembled) / static_cast<double>(data.Count);
    out.Absent = static_cast<double>(r.Absent) / static_cast<double>(data.Count);
    out.P1 = out.P50 = out.P99 = out.Worst = out.Explained = kNone;
    if (r.Present == 0) return;
    std::vector<float> sorted;
    sorted.reserve(r.Present);
    for (std::uint64_t i = 0; i < data.Count; ++i)
        if (IsPresent(data, i, setting, event)) sorted.push_back(data.Value(i, setting, event));
    std::sort(sorted.begin(), sorted.end());
    out.P1 = Percentile(sorted, 1);
    out.P50 = Percentile(sorted, 50);
    out.P99 = Percentile(sorted, 99);
    if (!std::isnan(nominal)) {
        const double low = sorted.front(), high = sorted.back();
        out.Worst = high - nominal >= nominal - low ? high : low;
    }
    if (!all) return;
    ShareMoments m = *all;
    if (r.Missing) m.RemoveX(*r.Missing);
    m.Sy = r.Sy;
    m.Syy = r.Syy;
    m.Sxy = r.Sxy;
    const LinearShares fit = FitShares(m);
    if (fit.Shares.empty()) return;
    out.Explained = fit.Explained;
    std::vector<double> bySource(sources.size(), 0.0);
    for (std::size_t k = 0; k < variables.size(); ++k)
        bySource[static_cast<std::size_t>(variables[k].Source)] += fit.Shares[k];
    for (std::size_t s = 0; s < sources.size(); ++s) out.Shares.push_back({static_cast<int>(s), bySource[s]});
    std::stable_sort(out.Shares.begin(), out.Shares.end(),
                     [](const ShareOfVariance& a, const ShareOfVariance& b) { return a.Share > b.Share; });
}

}  // namespace

void ShareMoments::AddX(std::span<const double> x) {
    const std::size_t n = Variables();
    N += 1;
    for (std::size_t j = 0; j < n; ++j) {
        Sx[j] += x[j];
        for (std::size_t k = j; k < n; ++k) Sxx[j * n + k] += x[j] * x[k];
    }
}

void ShareMoments::AddY(std::span<const double> x, double y) {
    Sy += y;
    Syy += y * y;
    for (std::size_t j = 0; j < Variables(); ++j) Sxy[j] += x[j] * y;
}

void ShareMoments::RemoveX(const ShareMoments& other) {
    if (other.N == 0) return;
    N -= other.N;
    for (std::size_t j = 0; j < Sx.size(); ++j) Sx[j] -= other.Sx[j];
    for (std::size_t j = 0; j < Sxx.size(); ++j) Sxx[j] -= other.Sxx[j];
}

LinearShares FitShares(const ShareMoments& m) {
    const std::size_t n = m.Variables();
    if (n == 0 || m.N < static_cast<double>(n) + 2) return {};
    const double vy = (m.Syy - m.Sy * m.Sy / m.N) / m.N;
    if (!(vy > 0)) return {};
    std::vector<double> sd(n);
    for (std::size_t j = 0; j < n; ++j) {
        const double v = (m.Sxx[j * n + j] - m.Sx[j] * m.Sx[j] / m.N) / m.N;
        if (!(v > 0)) return {};
        sd[j] = std::sqrt(v);
    }
    // The fit on standardised variables: correlations among them, and with y.
    std::vector<double> r(n * n), ry(n);
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t k = j; k < n; ++k) {
            const double c = (m.Sxx[j * n + k] - m.Sx[j] * m.Sx[k] / m.N) / m.N / (sd[j] * sd[k]);
            r[j * n + k] = r[k * n + j] = c;
        }
        ry[j] = (m.Sxy[j] - m.Sx[j] * m.Sy / m.N) / m.N / (sd[j] * std::sqrt(vy));
    }
    std::vector<double> beta = ry;
    if (!SolveSymmetric(r, beta, n)) return {};
    LinearShares out;
    double total = 0;
    for (std::size_t j = 0; j < n; ++j) {
        out.Explained += beta[j] * ry[j];
        total += beta[j] * beta[j];
    }
    if (!(total > 0)) return {};
    out.Shares.resize(n);
    for (std::size_t j = 0; j < n; ++j) out.Shares[j] = beta[j] * beta[j] / total;
    return out;
}

LinearShares FitShares(std::span<const double> x, std::span<const double> y, std::size_t variables) {
    if (y.empty()) return {};
    const double mean = std::accumulate(y.begin(), y.end(), 0.0) / static_cast<double>(y.size());
    ShareMoments m(variables);
    for (std::size_t i = 0; i < y.size(); ++i) {
        const auto row = x.subspan(i * variables, variables);
        m.AddX(row);
        m.AddY(row, y[i] - mean);
    }
    return FitShares(m);
}

double Percentile(std::span<const float> sorted, double p) {
    if (sorted.empty()) return kNone;
    const double h = (static_cast<double>(sorted.size()) - 1) * p / 100;
    const auto lo = static_cast<std::size_t>(std::floor(h));
    const std::size_t hi = std::min(lo + 1, sorted.size() - 1);
    return sorted[lo] + (h - static_cast<double>(lo)) * (static_cast<double>(sorted[hi]) - sorted[lo]);
}

ToleranceSummary Summarize(const StudyPlan& plan, const NominalEvents& nominal, const SampleData& data) {
    const std::size_t settings = plan.Settings.size();
    const std::size_t variables = plan.Variables.size();
    std::vector<ResultSums> sums(settings * kStudyEventCount);
    for (std::size_t s = 0; s < settings; ++s)
        for (int e = 0; e < kStudyEventCount; ++e) {
            ResultSums& r = sums[s * kStudyEventCount + static_cast<std::size_t>(e)];
            r.Sxy.assign(variables, 0.0);
            double total = 0;
            for (std::uint64_t i = 0; i < data.Count; ++i) {
                if (!data.IsAssembled(i, s)) ++r.Unassembled;
                else if (std::isnan(data.Value(i, s, e))) ++r.Absent;
                else {
                    ++r.Present;
                    total += data.Value(i, s, e);
                }
            }
            if (r.Present > 0) r.Mean = total / static_cast<double>(r.Present);
        }
    // The variables are drawn again rather than kept: a sample's are fixed by the seed,
    // and a large study's would not fit in memory. Every sample counts in one set of sums;
    // each event keeps apart only its samples without a value.
    std::optional<ShareMoments> all;
    if (variables > 0) {
        all.emplace(variables);
        std::vector<double> x(variables);
        for (std::uint64_t i = 0; i < data.Count; ++i) {
            DrawSample(plan, data.First + i, x);
            all->AddX(x);
            for (std::size_t s = 0; s < settings; ++s)
                for (int e = 0; e < kStudyEventCount; ++e) {
                    ResultSums& r = sums[s * kStudyEventCount + static_cast<std::size_t>(e)];
                    if (IsPresent(data, i, s, e)) {
                        const double y = data.Value(i, s, e) - r.Mean;
                        r.Sy += y;
                        r.Syy += y * y;
                        for (std::size_t k = 0; k < variables; ++k) r.Sxy[k] += x[k] * y;
                    } else {
                        if (!r.Missing) r.Missing.emplace(variables);
                        r.Missing->AddX(x);
                    }
                }
        }
    }
    ToleranceSummary summary;
    summary.Results.resize(sums.size());
    for (std::size_t s = 0; s < settings; ++s)
        for (int e = 0; e < kStudyEventCount; ++e) {
            const std::size_t k = s * kStudyEventCount + static_cast<std::size_t>(e);
            Statistics(sums[k], all ? &*all : nullptr, nominal.PerSetting[s].Values[static_cast<std::size_t>(e)], plan,
                       data, s, e, summary.Results[k]);
        }
    return summary;
}

}  // namespace lm
