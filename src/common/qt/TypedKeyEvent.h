// A key press as the number boxes' key filter sees it.

#pragma once

#include <string>

class QKeyEvent;
class QLineEdit;

namespace lm {

// Anything typed that is not plain ASCII: the key filter refuses it.
inline constexpr char kForeignKey = '\x7f';

// The character a key press types: kEnterKey, kBackspaceKey, a printable ASCII character,
// kForeignKey for any other character, or 0 for a key that types nothing (a shortcut, an
// arrow, Tab), which the box handles itself.
char TypedKeyOf(const QKeyEvent& event);

// The box's text as a key will find it: a selection is replaced by what is typed, so it is
// left out ("." typed over a selected "3.000" meets an empty text, not one with a ".").
std::string TextBeforeKey(const QLineEdit& box);

}  // namespace lm
