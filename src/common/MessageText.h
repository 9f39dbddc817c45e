// What a message may show of text the user gave.

#pragma once

#include <string>
#include <string_view>

namespace lm {

// The text with every control character, every byte that is not part of valid UTF-8
// and every C1 control escaped (\n, \r, \t, else \xHH per byte), so a message stays one
// line and can never drive the terminal it is printed on. Text already escaped comes
// back unchanged.
std::string EscapeControls(std::string_view text);

// The text escaped and between the given quote marks, as messages quote names, paths
// and values the user gave.
std::string QuoteForMessage(std::string_view text, char mark = '\'');

}  // namespace lm
