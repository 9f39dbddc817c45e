// Any bytes imported as an older-format file: refused ones leave the model untouched.
#include "FuzzSupport.h"
#include "files/OlderFormatFile.h"
#include "model/ModelTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lm;
    const std::string path = fuzz::WriteScratchFile(data, size, ".lmp");
    Model m = fuzz::StartedModel();
    if (!ImportOlderFormatFile(m, path).ok())
        fuzz::Require(test::Differences(fuzz::StartedModel(), m).empty(), "a refused file changed the model");
    return 0;
}
