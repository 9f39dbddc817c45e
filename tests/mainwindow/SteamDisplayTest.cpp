// The steam display: colours by phase, levels, legend, exhaust beats and bounded dots.

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/NullCanvas.h"
#include "graphics/RecordingCanvas.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/ExhaustBeats.h"
#include "mainwindow/SteamDisplay.h"
#include "RecordingSound.h"

namespace lm {
namespace {

// Dots of each colour inside a screen box (inclusive).
int DotsIn(const RecordingCanvas& c, Rgb colour, int left, int top, int right, int bottom) {
    int n = 0;
    for (const RecordedOp& op : c.OfKind(CanvasOp::SetPixel)) {
        const ScreenPoint p = op.points[0];
        n += op.colour == colour && p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    return n;
}

class SteamDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp(m);
        SetRevArmFromBar(m, NormalForwardBarPosition(m));
        m.Gear.StepAngle = 10;
        m.Display.SteamDisplayOn = true;
        s.Sound = &sound;
    }

    // One tick and its steam display; the canvas keeps only this pass.
    void Tick() {
        AnimationTick(m, s);
        canvas.Forget();
        StepSteamDisplay(m, s);
        DrawSteamDisplay(m, s, canvas);
    }

    // The colour of the dots in the front and the rear cylinder space.
    std::pair<Rgb, Rgb> EndColours() const {
        const CylinderOutline& c = s.Cylinder;
        const PistonOutline& p = s.Piston;
        std::pair<Rgb, Rgb> out{colours::White, colours::White};
        for (const Rgb k : {colours::Black, colours::Red, colours::Magenta, colours::Blue, colours::DarkGreen}) {
            if (DotsIn(canvas, k, p.Q[3].x, c.B[2].y, c.B[5].x, c.B[3].y) > 0) out.first = k;
            if (DotsIn(canvas, k, c.B[2].x, c.B[2].y, p.Q[0].x, c.B[3].y) > 0) out.second = k;
        }
        return out;
    }

    Model m;
    MainWindowState s;
    RecordingCanvas canvas;
    RecordingSound sound;
};

TEST_F(SteamDisplay, EachEndIsBlackUntilItsPortOpensThenCycles) {
    // Full forward gear: at 140 degrees the front end has both ports covered, the rear
    // exhausts; at 330 it is the other way round.
    for (const float angle : {140.0f, 330.0f}) {
        SetUp();
        s.Steam = {};
        m.Gear.DriverAngle = angle;
        m.Gear.StepAngle = 0;
        Tick();
        const auto [f, r] = EndColours();
        if (angle == 140) {
            ASSERT_FALSE(m.Valve.FrontSteamOpening > 0 || m.Valve.FrontExhaustOpening > 0);
            EXPECT_EQ(f, colours::Black);
            EXPECT_EQ(r, colours::Blue);
        } else {
            ASSERT_FALSE(m.Valve.RearSteamOpening > 0 || m.Valve.RearExhaustOpening > 0);
            EXPECT_EQ(r, colours::Black);
            EXPECT_EQ(f, colours::Blue);
        }
    }

    m.Gear.StepAngle = 10;
    // Going on from 330 degrees: the rear end starts black.
    std::vector<Rgb> front{EndColours().first}, rear{EndColours().second};
    for (int tick = 0; tick < 72; ++tick) {
        Tick();
        const auto [f, r] = EndColours();
        if (front.back() != f) front.push_back(f);
        if (rear.back() != r) rear.push_back(r);
        // The colour always agrees with this tick's openings.
        if (m.Valve.FrontSteamOpening > 0) {
            EXPECT_EQ(f, colours::Red);
        }
        if (m.Valve.RearExhaustOpening > 0) {
            EXPECT_EQ(r, colours::Blue);
        }
    }
    // After black the cycle runs admission, expansion, exhaust, compression, in turn.
    const std::vector<Rgb> cycle{colours::Red, colours::Magenta, colours::Blue, colours::DarkGreen};
    for (const auto* seq : {&front, &rear}) {
        ASSERT_GE(seq->size(), 8u);
        const std::size_t first = seq->front() == colours::Black ? 1 : 0;
        EXPECT_EQ(std::count(seq->begin() + first, seq->end(), colours::Black), 0);
        std::size_t start = 0;
        while (start < 3 && cycle[start] != (*seq)[first]) ++start;
        for (std::size_t j = first; j < seq->size(); ++j)
            EXPECT_EQ((*seq)[j], cycle[(start + j - first) % 4]) << j;
    }
}

TEST(SteamPhases, BlackUntilAPortOpensThenTheStatesBetween) {
    SteamPhase phase = SteamPhase::None;
    EXPECT_EQ(SteamEndColour(-1, -1, phase), colours::Black);
    EXPECT_EQ(SteamEndColour(0, 0, phase), colours::Black);  // touching is not open
    EXPECT_EQ(SteamEndColour(0.1f, -1, phase), colours::Red);
    EXPECT_EQ(phase, SteamPhase::Expansion);
    EXPECT_EQ(SteamEndColour(-0.1f, -1, phase), colours::Magenta);
    EXPECT_EQ(SteamEndColour(-1, 0.1f, phase), colours::Blue);
    EXPECT_EQ(phase, SteamPhase::Compression);
    EXPECT_EQ(SteamEndColour(-1, -0.1f, phase), colours::DarkGreen);
}

TEST(SteamLevels, RiseWhileAdmittingFallWhileExhaustingWithinLimits) {
    float level = 20;  // the start value is below the band
    UpdateSteamLevel(level, colours::Black, 10, 0, 0);
    EXPECT_EQ(level, 25);
    UpdateSteamLevel(level, colours::Red, 10, 0.4f, -1);  // + 10 * 50 * 0.5
    EXPECT_FLOAT_EQ(level, 275);
    UpdateSteamLevel(level, colours::Blue, 10, -1, 0.25f);  // - 10 * 60 * 0.25
    EXPECT_FLOAT_EQ(level, 125);
    UpdateSteamLevel(level, colours::Red, 0, 0.4f, -1);  // standing: no change
    EXPECT_FLOAT_EQ(level, 125);
    UpdateSteamLevel(level, colours::Red, 45, 5, -1);
    EXPECT_EQ(level, 2000);
    UpdateSteamLevel(level, colours::Blue, 45, -1, 5);
    EXPECT_EQ(level, 25);
    level = NAN;
    UpdateSteamLevel(level, colours::Magenta, 10, 0, 0);
    EXPECT_EQ(level, 25);
}

TEST_F(SteamDisplay, LegendOnlyWithScreenDataAndTextLeftBlack) {
    Tick();
    std::map<std::string, Rgb> words;
    for (const RecordedOp& op : canvas.OfKind(CanvasOp::TextOut)) words[op.text] = op.font;
    EXPECT_EQ(words, (std::map<std::string, Rgb>{{"ADMISSION", colours::Red},
                                                 {"EXPANSION", colours::Magenta},
                                                 {"EXHAUST", colours::Blue},
                                                 {"COMPRESSION", colours::DarkGreen}}));
    const ScreenPoint b3 = s.Cylinder.B[3];
    EXPECT_EQ(canvas.OfKind(CanvasOp::TextOut)[3].points[0], (ScreenPoint{b3.x + 24, b3.y + 17}));
    EXPECT_EQ(canvas.OfKind(CanvasOp::SetFontColour).back().colour, colours::Black);
    m.Display.ScreenDataOn = false;
    Tick();
    EXPECT_TRUE(canvas.Texts().empty());
}

TEST_F(SteamDisplay, FlatBoreBeepsOncePerGuardedDivisionOnlyWithErrorBeep) {
    Tick();
    ASSERT_EQ(sound.Count("beep"), 0);
    // A valve bore of no height: every passage and plume dot divides by zero.
    m.Cyl.ValveBoreDia = 0;
    s.Cylinder = ComputeCylinderOutline(m);
    s.Piston = ComputePistonOutline(m);
    ASSERT_EQ(s.Cylinder.B[0].y, s.Cylinder.A.y);
    canvas.Forget();
    sound.calls.clear();
    StepSteamDisplay(m, s);
    DrawSteamDisplay(m, s, canvas);
    const long n = std::lround(m.Display.FrontSteamLevel * m.View.ViewScale / 18.5);
    const long nr = std::lround(m.Display.RearSteamLevel * m.View.ViewScale / 18.5);
    // Two guarded divisions per pair of exhaust dots, one per pair member.
    EXPECT_EQ(sound.Count("beep"), 2 * (n / 12) + 2 * (nr / 12));
    m.Gear.ErrorBeepOn = false;
    sound.calls.clear();
    StepSteamDisplay(m, s);
    DrawSteamDisplay(m, s, canvas);
    EXPECT_EQ(sound.Count("beep"), 0);
}

TEST(SteamRandom, WithinRangeAndZeroForEmptyRanges) {
    std::minstd_rand r(1);
    EXPECT_EQ(RandomBelow(r, 0), 0);
    EXPECT_EQ(RandomBelow(r, -5), 0);
    EXPECT_EQ(RandomBelow(r, 1), 0);
    std::set<long long> seen;
    for (int i = 0; i < 500; ++i) seen.insert(RandomBelow(r, 4));
    EXPECT_EQ(seen, (std::set<long long>{0, 1, 2, 3}));
}

TEST(BeatVolume, TableEdges) {
    EXPECT_FALSE(BeatVolume(0).has_value());
    EXPECT_FALSE(BeatVolume(23).has_value());
    EXPECT_EQ(BeatVolume(24), 0x0700);
    EXPECT_EQ(BeatVolume(100), 0x0700);
    EXPECT_EQ(BeatVolume(101), 0x1400);
    EXPECT_EQ(BeatVolume(400), 0x2800);
    EXPECT_EQ(BeatVolume(401), 0x4000);
    EXPECT_EQ(BeatVolume(1000), 0x6000);
    EXPECT_EQ(BeatVolume(1001), 0x7000);
    EXPECT_EQ(BeatVolume(1201), 0x8000);
    EXPECT_EQ(BeatVolume(2001), 0x8000);
    EXPECT_FALSE(BeatVolume(2002).has_value());
}

TEST_F(SteamDisplay, BeatsFireOncePerExhaustWithTheOtherEndsLevel) {
    // Armed while closed, fired when open; the first takes the other end's level of 0,
    // so the volume is left as it started.
    m.Valve.FrontExhaustOpening = -1;
    m.Valve.RearExhaustOpening = -1;
    SoundExhaustBeats(m, s);
    EXPECT_TRUE(sound.calls.empty());
    m.Valve.FrontExhaustOpening = 1;
    m.Display.FrontSteamLevel = 650;
    SoundExhaustBeats(m, s);
    SoundExhaustBeats(m, s);  // still open: no second beat
    EXPECT_EQ(sound.calls, std::vector<std::string>{"play Exhaust.wav"});
    EXPECT_EQ(s.Steam.FrontBeatLevel, 650);

    sound.calls.clear();
    m.Valve.RearExhaustOpening = 1;
    SoundExhaustBeats(m, s);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"volume 0x5000", "play Exhaust.wav"}));

    // A dimension highlight keeps the beats from arming.
    sound.calls.clear();
    s.HighlightActive = true;
    m.Valve.FrontExhaustOpening = -1;
    SoundExhaustBeats(m, s);
    m.Valve.FrontExhaustOpening = 1;
    SoundExhaustBeats(m, s);
    EXPECT_TRUE(sound.calls.empty());
}

// Counts dots only: a broken view would make a recording too large to keep.
class DotCounter final : public NullCanvas {
public:
    void SetPixel(ScreenPoint, Rgb) override { ++dots; }
    long long dots = 0;
};

TEST_F(SteamDisplay, BrokenViewScaleDrawsBoundedDots) {
    Tick();
    m.View.ViewScale = 1e30f;
    s.Picture.View.ViewScale = 1e30f;
    DotCounter counter;
    StepSteamDisplay(m, s);
    DrawSteamDisplay(m, s, counter);
    EXPECT_GT(counter.dots, 0);
    EXPECT_LE(counter.dots, 8LL * 1280 * 1024);
}

}  // namespace
}  // namespace lm
