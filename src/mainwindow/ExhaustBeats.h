// The exhaust beats the steam display sounds, and their volume.

#pragma once

#include <cstdint>
#include <optional>

#include "mainwindow/MainWindowState.h"
#include "model/Model.h"

namespace lm {

// The wave-out volume for a beat from a steam level rounded to v; none outside 24..2001,
// where the volume is left as it is.
std::optional<std::uint16_t> BeatVolume(int v);

// Arms each end's beat while its exhaust is closed and fires it once when it opens, as
// loud as the other end was at its own last exhaust.
void SoundExhaustBeats(Model& m, MainWindowState& state);

}  // namespace lm
