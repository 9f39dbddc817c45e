// The exhaust beats: a sound each time an exhaust port opens, as loud as its steam.

#include "mainwindow/ExhaustBeats.h"

#include <array>

#include "common/Numbers.h"
#include "common/SoundOutput.h"

namespace lm {

namespace {

struct VolumeBand {
    int upTo;
    std::uint16_t volume;
};

constexpr std::array<VolumeBand, 8> kBands{{{100, 0x0700},
                                             {200, 0x1400},
                                             {400, 0x2800},
                                             {600, 0x4000},
                                             {800, 0x5000},
                                             {1000, 0x6000},
                                             {1200, 0x7000},
                                             {2001, 0x8000}}};

void Beat(MainWindowState& state, float otherBeatLevel) {
    if (!state.Sound) return;
    if (const auto volume = BeatVolume(RoundToInt(otherBeatLevel))) state.Sound->SetVolume(*volume);
    state.Sound->Play("Exhaust.wav");
}

}  // namespace

std::optional<std::uint16_t> BeatVolume(int v) {
    if (v < 24) return std::nullopt;
    for (const VolumeBand& band : kBands)
        if (v <= band.upTo) return band.volume;
    return std::nullopt;
}

void SoundExhaustBeats(Model& m, MainWindowState& state) {
    SteamDisplayMemory& s = state.Steam;
    const ValveState& v = m.Valve;

    if (v.FrontExhaustOpening < 0 && !state.HighlightActive && m.Highlight.Dim <= 0) s.ExhaustArmedFront = true;
    if (v.FrontExhaustOpening > 0 && s.ExhaustArmedFront) {
        s.ExhaustArmedFront = false;
        s.FrontBeatLevel = m.Display.FrontSteamLevel;
        Beat(state, s.RearBeatLevel);
    }

    if (v.RearExhaustOpening < 0 && !state.HighlightActive && m.Highlight.Dim <= 0) s.ExhaustArmedRear = true;
    if (v.RearExhaustOpening > 0 && s.ExhaustArmedRear) {
        s.ExhaustArmedRear = false;
        s.RearBeatLevel = m.Display.RearSteamLevel;
        Beat(state, s.FrontBeatLevel);
    }
}

}  // namespace lm
