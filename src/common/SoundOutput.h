// The sound interface the main window plays through, so tests can listen in.

#pragma once

#include <cstdint>
#include <string_view>

namespace lm {

// The few sounds the program makes. Playing never waits and never fails: a missing file
// or audio device is silence.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // A wave file by bare name ("Exhaust.wav"); replaces a sound still playing.
    virtual void Play(std::string_view fileName) = 0;
    // The wave-out volume of both channels, 0xFFFF = full.
    virtual void SetVolume(std::uint16_t perChannel) = 0;
    // The standard system beep.
    virtual void Beep() = 0;
};

class SilentSoundOutput final : public SoundOutput {
public:
    void Play(std::string_view) override {}
    void SetVolume(std::uint16_t) override {}
    void Beep() override {}
};

// The wave-out volume before the first exhaust beat sets one: half.
inline constexpr std::uint16_t kStartVolume = 0x8000;

}  // namespace lm
