// The tolerance study on the command line.

#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `tolerance [--study FILE.json] [--samples N] [--seed S] [--settings S,...]
//  [--distribution uniform|normal] [--tol NAME=T,...] [--tol-length T] [--tol-angle T]
//  [--clearance PIVOT=C,...] [--csv] [--shard K/N --out FILE]`
void RunTolerance(const Model& m, const Arguments& args, std::ostream& out);

// `tolerance-merge PART... [--csv]`: prints what the unsharded run prints.
void RunToleranceMerge(const Arguments& args, std::ostream& out);

}  // namespace lm::cli
