// The step rule of the relative scroll bars (pan, zoom, reference point, dynamic variables).

#pragma once

namespace lm {

// A relative scroll bar: its change handler turns the position the user moved it to into
// a signed amount and the bar is put back to 0. The last two positions the handler saw
// tell an arrow or page click (a move of 1 or of the large change from the last position)
// from a thumb drag. Depends on nothing, so the dynamic-variable bars can share it.
struct RelativeBarMemory {
    int Last = 0;
    int BeforeLast = 0;
    friend bool operator==(const RelativeBarMemory&, const RelativeBarMemory&) = default;
};

struct RelativeBarRule {
    long double Divisor = 1;  // bar units per unit of the amount
    int LargeChange = 1;      // the bar's page step
};

// Pan and zoom bars: a page click is 1, an arrow click 0.1.
inline constexpr RelativeBarRule kPanZoomBarRule{10, 10};
// Reference-point bars: a page click is 0.025 length units, an arrow click 0.001.
inline constexpr RelativeBarRule kRefPointBarRule{1000, 25};
// Dynamic-variable bars: a page click is 0.01, an arrow click 0.001.
inline constexpr RelativeBarRule kDynVarBarRule{1000, 10};

// The amount for the bar's new position, remembering the position for the next call.
// Call it for every change the bar reports, including the one back to 0 (which gives 0).
long double RelativeBarStep(RelativeBarMemory& memory, int position, const RelativeBarRule& rule);

}  // namespace lm
