// Which keys and pasted characters the number boxes take.

#pragma once

// The one key filter of every number box (editors, dialogs, the diagrams' boxes): which
// typed keys a box takes, and what a paste leaves, filtered exactly like typing.

#include <string>
#include <string_view>

namespace lm {

inline constexpr char kBackspaceKey = 8;
inline constexpr char kEnterKey = 13;

// How often a box takes "-": not at all, once anywhere in the text, or any number of times.
enum class MinusRule { None, Once, Any };

struct KeyRule {
    MinusRule Minus = MinusRule::None;
    // The dimension editors take Enter (it moves on to Close); the dialogs swallow it.
    bool EnterAccepted = false;
};

// Digits and backspace always; "." once anywhere in the text; "-" by the rule; Enter by
// the rule; every other key is swallowed. Positions are not checked, so "12-3" can be typed.
bool AcceptTypedKey(std::string_view text, char key, KeyRule rule);

// The text after pasting, as if each character had been typed at the end in turn
// (control characters, Enter included, are dropped): "1e5x" leaves "15".
std::string FilterPastedText(std::string_view text, std::string_view pasted, KeyRule rule);

}  // namespace lm
