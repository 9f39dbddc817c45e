// What the fuzz targets share: a scratch file, the started model and their checks.

#pragma once

// What every fuzz target shares: a scratch file for byte input, the started model, and
// a check that stops the run with a message libFuzzer keeps beside the crashing input.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kinematics/StartUp.h"
#include "model/Model.h"

namespace lm::fuzz {

inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// The same file for every input of one process, so runs leave one file behind at most.
inline std::string WriteScratchFile(const std::uint8_t* data, std::size_t size, const char* extension) {
    static const std::string path =
        "/tmp/lm-fuzz-" + std::to_string(::getpid()) + std::string(extension);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    Require(f != nullptr, "cannot write the scratch file");
    if (size) Require(std::fwrite(data, 1, size, f) == size, "cannot write the scratch file");
    std::fclose(f);
    return path;
}

inline const Model& StartedModel() {
    static const Model started = [] {
        Model m;
        StartUp(m);
        return m;
    }();
    return started;
}

}  // namespace lm::fuzz
