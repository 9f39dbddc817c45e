// The report command: the gear report as a PDF.

#pragma once

#include "cli/Arguments.h"
#include "model/Model.h"

namespace lm::cli {

// `report --out FILE.pdf [--page a4|letter]`: the report the desktop program prints, as
// a PDF of A4 or Letter pages (by default the locale's: Letter in the US, else A4).
void RunReport(const Model& m, const Arguments& args);

}  // namespace lm::cli
