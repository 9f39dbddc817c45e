// The steam display: coloured dots for the steam in each cylinder end, its legend and
// levels, with bounded dot counts for any view.

#include "mainwindow/SteamDisplay.h"

#include <algorithm>
#include <chrono>

#include "common/Numbers.h"
#include "common/Real.h"
#include "mainwindow/ExhaustBeats.h"
#include "common/SoundOutput.h"

namespace lm {

namespace {

using Wide = long long;  // pixel arithmetic that cannot overflow for any outline

// More dots than the largest zoom asks for in one band; a broken view scale cannot make
// a tick draw for ever.
constexpr Wide kMaxDots = 1280 * 1024 / 4;

Wide DotCount(Real wanted) { return std::clamp<Wide>(RoundToInt(wanted), 0, kMaxDots); }

// Dots in each cylinder end, from its steam level at the tick's view scale.
struct EndDots {
    Wide front = 0, rear = 0;
};

EndDots DotsFor(const Model& m, Real scale) {
    return {DotCount(m.Display.FrontSteamLevel * scale / 18.5L), DotCount(m.Display.RearSteamLevel * scale / 18.5L)};
}

// A height of 0 pixels would divide by zero: 1 is used instead.
Real Guarded(Wide numerator, Wide divisor) {
    return static_cast<Real>(numerator) / static_cast<Real>(divisor == 0 ? 1 : divisor);
}

// How many of a pass's divisions meet a height of no pixels: one per passage dot of an
// end (when the bore is flat from its top to the cylinder's), two per exhaust dot (when
// the valve bore is flat), as the pass below divides.
Wide FlatDivisions(const CylinderOutline& c, EndDots n) {
    Wide count = 0;
    if (Wide{c.B[2].y} - c.B[0].y == 0) count += n.front / 15 + n.rear / 15;
    if (Wide{c.B[0].y} - c.A.y == 0) count += 2 * (n.front / 12) + 2 * (n.rear / 12);
    return count;
}

int Pixel(Wide v) { return static_cast<int>(std::clamp<Wide>(v, INT32_MIN, INT32_MAX)); }

// One pass of dots, with random numbers from the tick's seed.
class SteamPass {
public:
    SteamPass(const Model& m, const MainWindowState& state, Canvas& canvas)
        : m_(m), state_(state), canvas_(canvas), c_(state.Cylinder), p_(state.Piston),
          random_(state.Picture.SteamSeed) {}

    void Draw();

private:
    Wide R(Wide n) { return RandomBelow(random_, n); }

    void Dot(Wide x, Wide y, Rgb colour) { canvas_.SetPixel({Pixel(x), Pixel(y)}, colour); }

    const ScreenPoint& B(int i) const { return c_.B[static_cast<std::size_t>(i)]; }
    const ScreenPoint& C(int i) const { return c_.C[static_cast<std::size_t>(i)]; }

    void LiveSteam();
    void FrontEnd(Rgb k, Wide n);
    void RearEnd(Rgb k, Wide n);
    void FrontExhaust(Wide n);
    void RearExhaust(Wide n);
    void Plume(Rgb colour);
    void Legend();

    const Model& m_;
    const MainWindowState& state_;
    Canvas& canvas_;
    const CylinderOutline& c_;
    const PistonOutline& p_;
    std::minstd_rand random_;
};

void SteamPass::LiveSteam() {
    const Real scale = state_.Picture.View.ViewScale;
    const ScreenPoint a = c_.A;
    // In the inlet above the valve bore, as deep as half the bore.
    for (Wide i = DotCount(scale * 5.4L); i > 0; --i)
        Dot(B(12).x + R(Wide{B(10).x} - B(12).x), a.y - R(Wide{B(0).y} - p_.Q[4].y), colours::Red);
    // Between the valve heads.
    for (Wide i = DotCount(scale * 43.2L); i > 0; --i)
        Dot(p_.R[3].x + R(Wide{p_.F[0].x} - p_.R[3].x), a.y + R(Wide{B(0).y} - a.y), colours::Red);
}

void SteamPass::FrontEnd(Rgb k, Wide n) {
    for (Wide i = n; i > 0; --i)
        Dot(p_.Q[3].x + R(Wide{B(5).x} - p_.Q[3].x), B(2).y + R(Wide{B(3).y} - B(2).y), k);
    const Wide height = Wide{B(2).y} - B(0).y;
    for (Wide i = n / 15; i > 0; --i) {
        const Wide r = R(height);
        const Real q = Guarded(r, height);
        Dot(RoundToInt((Wide{B(5).x} - B(6).x) * q) + Wide{B(6).x} - R(Wide{B(6).x} - C(3).x), B(0).y + r, k);
    }
}

void SteamPass::RearEnd(Rgb k, Wide n) {
    for (Wide i = n; i > 0; --i)
        Dot(B(2).x + R(Wide{p_.Q[0].x} - B(2).x), B(2).y + R(Wide{B(3).y} - B(2).y), k);
    const Wide height = Wide{B(2).y} - B(0).y;
    for (Wide i = n / 15; i > 0; --i) {
        const Wide r = R(height);
        const Real q = Guarded(r, height);
        Dot(R(Wide{C(0).x} - B(1).x) + RoundToInt((Wide{B(1).x} - B(2).x) * -q) + Wide{B(1).x}, B(0).y + r, k);
    }
}

// Above the middle of the bore, widening as it rises.
void SteamPass::Plume(Rgb colour) {
    const Wide bore = Wide{B(0).y} - c_.A.y;
    const Wide r = R(3 * bore);
    const Real q = Guarded(r, bore);
    const Wide g = Wide{B(10).x} - B(12).x;
    Dot(RoundToInt(static_cast<Real>(R(g)) * q * 2 + B(12).x + static_cast<Real>(g) / 2 - g * q),
        2 * Wide{c_.A.y} - B(0).y - r, colour);
}

void SteamPass::FrontExhaust(Wide n) {
    const Rgb colour = m_.Valve.FrontExhaustOpening > 0 ? colours::Blue : colours::White;
    const ScreenPoint a = c_.A;
    const Wide bore = Wide{B(0).y} - a.y;
    // The bore beyond the front valve head.
    for (Wide i = n / 5; i > 0; --i) Dot(p_.F[3].x + R(Wide{B(8).x} - p_.F[3].x), a.y + R(bore), colour);
    for (Wide i = n / 12; i > 0; --i) {
        // Up the passage from the front exhaust gap towards the middle.
        const Wide r = R(bore);
        const Real q = Guarded(r, bore);
        Dot(R(Wide{B(8).x} - B(9).x) + RoundToInt((Wide{B(9).x} - B(12).x) * -q) + Wide{B(9).x}, a.y - r, colour);
        Plume(colour);
    }
}

void SteamPass::RearExhaust(Wide n) {
    const Rgb colour = m_.Valve.RearExhaustOpening > 0 ? colours::Blue : colours::White;
    const ScreenPoint a = c_.A;
    const Wide bore = Wide{B(0).y} - a.y;
    for (Wide i = n / 5; i > 0; --i) Dot(a.x + R(Wide{p_.R[0].x} - a.x), a.y + R(bore), colour);
    for (Wide i = n / 12; i > 0; --i) {
        const Wide r = R(bore);
        const Real q = Guarded(r, bore);
        Dot(R(Wide{B(11).x} - a.x) + RoundToInt((Wide{B(12).x} - a.x) * q) + Wide{a.x}, a.y - r, colour);
        Plume(colour);
    }
}

void SteamPass::Legend() {
    const ScreenPoint b3 = B(3);
    canvas_.SetTextBackground(false);
    const auto word = [&](int dx, int dy, Rgb colour, const char* text) {
        canvas_.SetFontColour(colour);
        canvas_.TextOut({Pixel(Wide{b3.x} + dx), Pixel(Wide{b3.y} + dy)}, text);
    };
    word(-40, 5, colours::Red, "ADMISSION");
    word(40, 5, colours::Magenta, "EXPANSION");
    word(-40, 17, colours::Blue, "EXHAUST");
    word(24, 17, colours::DarkGreen, "COMPRESSION");
    canvas_.SetFontColour(colours::Black);
}

void SteamPass::Draw() {
    LiveSteam();
    const EndDots n = DotsFor(m_, state_.Picture.View.ViewScale);
    FrontEnd(state_.Picture.FrontSteamColour, n.front);
    RearEnd(state_.Picture.RearSteamColour, n.rear);
    FrontExhaust(n.front);
    RearExhaust(n.rear);
    if (m_.Display.ScreenDataOn) Legend();
}

}  // namespace

long long RandomBelow(std::minstd_rand& random, long long n) {
    if (n <= 0) return 0;
    return static_cast<long long>(random() % static_cast<unsigned long long>(n));
}

Rgb SteamEndColour(float steamOpening, float exhaustOpening, SteamPhase& phase) {
    Rgb k = colours::Black;
    if (steamOpening > 0) {
        phase = SteamPhase::Expansion;
        k = colours::Red;
    }
    if (!(steamOpening > 0) && phase == SteamPhase::Expansion) k = colours::Magenta;
    if (exhaustOpening > 0) {
        phase = SteamPhase::Compression;
        k = colours::Blue;
    }
    if (!(exhaustOpening > 0) && phase == SteamPhase::Compression) k = colours::DarkGreen;
    return k;
}

void UpdateSteamLevel(float& level, Rgb colour, float stepAngle, float steamOpening, float exhaustOpening) {
    const Real step = stepAngle;
    if (colour == colours::Red) level = static_cast<float>(level + step * 50 * (steamOpening + 0.1L));
    if (colour == colours::Blue) level = static_cast<float>(level - step * 60 * exhaustOpening);
    if (!(level >= 25)) level = 25;  // NaN included
    if (level > 2000) level = 2000;
}

void StepSteamDisplay(Model& m, MainWindowState& state) {
    TickPicture& picture = state.Picture;
    picture.SteamSeed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const ValveState& v = m.Valve;
    const float step = m.Gear.StepAngle;
    picture.FrontSteamColour = SteamEndColour(v.FrontSteamOpening, v.FrontExhaustOpening, state.Steam.FrontPhase);
    UpdateSteamLevel(m.Display.FrontSteamLevel, picture.FrontSteamColour, step, v.FrontSteamOpening,
                     v.FrontExhaustOpening);
    picture.RearSteamColour = SteamEndColour(v.RearSteamOpening, v.RearExhaustOpening, state.Steam.RearPhase);
    UpdateSteamLevel(m.Display.RearSteamLevel, picture.RearSteamColour, step, v.RearSteamOpening,
                     v.RearExhaustOpening);
    if (m.Gear.ErrorBeepOn && state.Sound)
        for (Wide k = FlatDivisions(state.Cylinder, DotsFor(m, m.View.ViewScale)); k > 0; --k) state.Sound->Beep();
    SoundExhaustBeats(m, state);
}

void DrawSteamDisplay(const Model& m, const MainWindowState& state, Canvas& canvas) {
    SteamPass(m, state, canvas).Draw();
}

}  // namespace lm
