// Where UTF-8 text is well formed.

#pragma once

#include <string_view>

namespace lm {

// The length (1..4) of the well-formed UTF-8 sequence that `text` starts with; for an
// ill-formed one, minus the length of its longest well-formed beginning (at least 1),
// the piece Unicode recommends replacing with one U+FFFD. `text` must not be empty.
int Utf8SequenceLength(std::string_view text);

}  // namespace lm
