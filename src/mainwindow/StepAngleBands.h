// The step-angle bar's sixteen bands and the driver-angle bar steps they set.

#pragma once

#include <array>

namespace lm {

// The step-angle bar is logarithmic (position = 4000 x log10(100 x step)) and snaps to
// one of sixteen steps. Each band also sets how far the driver-angle bar moves per arrow
// and page click, in hundredths of a degree.
struct StepBand {
    int first;        // first bar position of the band
    int last;         // last bar position of the band
    float step;       // degrees per tick
    int smallChange;  // driver-angle bar, arrow click
    int largeChange;  // driver-angle bar, page click
};

inline constexpr int kStepBarMin = 0;
inline constexpr int kStepBarMax = 14613;

// The band edges sit at the bar positions of 1.5, 2.5, 4 and 8 times a power of ten (and
// 40 for the last); the page click is five times the step, capped at 45 degrees.
inline constexpr std::array<StepBand, 16> kStepBands{{
    {0, 704, 0.01f, 1, 5},
    {705, 1591, 0.02f, 2, 10},
    {1592, 2408, 0.03f, 3, 15},
    {2409, 3612, 0.05f, 5, 25},
    {3613, 4704, 0.1f, 10, 50},
    {4705, 5591, 0.2f, 20, 100},
    {5592, 6408, 0.3f, 30, 150},
    {6409, 7612, 0.5f, 50, 250},
    {7613, 8704, 1.0f, 100, 500},
    {8705, 9591, 2.0f, 200, 1000},
    {9592, 10408, 3.0f, 300, 1500},
    {10409, 11612, 5.0f, 500, 2500},
    {11613, 12704, 10.0f, 1000, 4500},
    {12705, 13591, 20.0f, 2000, 4500},
    {13592, 14408, 30.0f, 3000, 4500},
    {14409, 14613, 45.0f, 4500, 4500},
}};

// The band a bar position falls in; positions outside the bar's range take the nearest
// end band.
const StepBand& StepBandAt(int position);

// Bar positions the step buttons move to.
inline constexpr int kStepBarPos1 = 8000;
inline constexpr int kStepBarPos10 = 12000;
inline constexpr int kStepBarPos45 = kStepBarMax;

}  // namespace lm
