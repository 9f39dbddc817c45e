// Text the user gave, as a message shows it.
#include <string>

#include <gtest/gtest.h>

#include "common/MessageText.h"

namespace lm {
namespace {

TEST(MessageText, ControlsAndBrokenBytesAreEscapedAndEverythingElseKept) {
    EXPECT_EQ(EscapeControls("a\nb\r\tc\x1b[0m\x7f"), "a\\nb\\r\\tc\\x1b[0m\\x7f");
    // Characters of other scripts and signs stay as they are.
    EXPECT_EQ(EscapeControls("Kolben 30° – Dampf ✓ 𝛼"), "Kolben 30° – Dampf ✓ 𝛼");
    // C1 controls (CSI here) and bytes that are no UTF-8: a lone continuation, a cut
    // sequence, an overlong slash, a surrogate.
    EXPECT_EQ(EscapeControls("\xc2\x9b" "1m"), "\\xc2\\x9b1m");
    EXPECT_EQ(EscapeControls("\x80|\xe2\x82|\xc0\xaf|\xed\xa0\x80"),
              "\\x80|\\xe2\\x82|\\xc0\\xaf|\\xed\\xa0\\x80");
    // Escaping twice changes nothing more, so a message escaped again stays as it was.
    const std::string once = EscapeControls("x\n\xff");
    EXPECT_EQ(EscapeControls(once), once);
    EXPECT_EQ(QuoteForMessage("a\nb", '"'), "\"a\\nb\"");
}

}  // namespace
}  // namespace lm
