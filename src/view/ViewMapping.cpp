// The model-to-screen mapping and back, rounded and clamped.

#include "view/ViewMapping.h"

#include <cmath>
#include <limits>

#include "common/Numbers.h"

namespace lm {

std::int32_t ToScreenX(const ViewState& view, long double x) {
    return RoundToInt(x * view.ViewScale + view.ViewOriginX);
}

std::int32_t ToScreenY(const ViewState& view, long double y) {
    return RoundToInt(-y * view.ViewScale + view.ViewOriginY);
}

ScreenPoint ToScreen(const ViewState& view, long double x, long double y) {
    return {ToScreenX(view, x), ToScreenY(view, y)};
}

ScreenPoint ToScreen(const ViewState& view, const Pivot& p) { return ToScreen(view, p.X, p.Y); }

std::int32_t ToScreenLength(const ViewState& view, long double length) {
    return RoundToInt(length * view.ViewScale);
}

bool ToModel(const ViewState& view, ScreenPoint p, ModelPoint& out) {
    out = {};
    const long double scale = view.ViewScale;
    if (!std::isfinite(scale) || scale == 0) return false;
    const long double x = (p.x - static_cast<long double>(view.ViewOriginX)) / scale;
    const long double y = -(p.y - static_cast<long double>(view.ViewOriginY)) / scale;
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    out = {x, y};
    return true;
}

namespace {
int SaturatingAdd(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    if (sum > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (sum < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(sum);
}
}  // namespace

ScreenPoint Offset(ScreenPoint p, int dx, int dy) {
    return {SaturatingAdd(p.x, dx), SaturatingAdd(p.y, dy)};
}

void MapPivots(Model& m) {
    for (int n = 0; n < kMappedPivotCount; ++n) {
        Pivot& p = m.P(n);
        const ScreenPoint s = ToScreen(m.View, p);
        p.SX = s.x;
        p.SY = s.y;
    }
    m.P(ReverseArmEnd).SX = ToScreenX(m.View, m.Gear.RevArmPos);
}

}  // namespace lm
