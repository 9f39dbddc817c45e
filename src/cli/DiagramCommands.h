// The commands that print the port, steam and sine diagrams' numbers.

#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `events [--graph F|R] [--csv]`: the port open/close diagram's valve events, as percent
// of stroke, for its nineteen reverse-arm rows.
void RunEvents(Model& m, const Arguments& args, std::ostream& out);

// `steam [--positions a,b,...] [--csv]`: the steam diagram's cut-off per position.
void RunSteam(Model& m, const Arguments& args, std::ostream& out);

// `leadlap`: the sine diagram's mid-gear block for the single position RevArmCenter.
void RunLeadLap(Model& m, const Arguments& args, std::ostream& out);

}  // namespace lm::cli
