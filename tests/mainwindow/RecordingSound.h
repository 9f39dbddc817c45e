// A sound output that records what it is asked to play, for the tests.

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/SoundOutput.h"

namespace lm {

// Keeps every sound request as text: "play Exhaust.wav", "volume 0x8000", "beep".
class RecordingSound final : public SoundOutput {
public:
    void Play(std::string_view fileName) override { calls.push_back("play " + std::string(fileName)); }
    void SetVolume(std::uint16_t perChannel) override {
        char buf[32];
        std::snprintf(buf, sizeof buf, "volume 0x%04X", perChannel);
        calls.push_back(buf);
    }
    void Beep() override { calls.push_back("beep"); }

    int Count(const std::string& call) const {
        int n = 0;
        for (const auto& c : calls) n += c == call;
        return n;
    }

    std::vector<std::string> calls;
};

}  // namespace lm
