// Any bytes opened as a dimension data file: a refused file leaves the model bit for bit
// as it was; a taken one leaves every dimension finite.
#include <cmath>

#include "FuzzSupport.h"
#include "files/DimensionFile.h"
#include "model/DimensionTable.h"
#include "model/ModelTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lm;
    const std::string path = fuzz::WriteScratchFile(data, size, ".lmd");
    Model m = fuzz::StartedModel();
    const FileResult opened = OpenDimensionFile(m, path);
    if (!opened.ok()) {
        fuzz::Require(test::Differences(fuzz::StartedModel(), m).empty(), "a refused file changed the model");
        return 0;
    }
    // Saving it again (and so opening it later) needs every value finite.
    for (const DimensionInfo& d : AllDimensions())
        fuzz::Require(std::isfinite(GetDimension(m, d)), "an opened file left a dimension non-finite");
    return 0;
}
