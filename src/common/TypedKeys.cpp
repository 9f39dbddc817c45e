// The number boxes' key filter.
#include "common/TypedKeys.h"

namespace lm {

bool AcceptTypedKey(std::string_view text, char key, KeyRule rule) {
    if (key == kBackspaceKey || (key >= '0' && key <= '9')) return true;
    if (key == kEnterKey) return rule.EnterAccepted;
    if (key == '.') return text.find('.') == std::string_view::npos;
    if (key == '-') {
        if (rule.Minus == MinusRule::Any) return true;
        return rule.Minus == MinusRule::Once && text.find('-') == std::string_view::npos;
    }
    return false;
}

std::string FilterPastedText(std::string_view text, std::string_view pasted, KeyRule rule) {
    std::string out(text);
    for (const char ch : pasted) {
        if (ch == kBackspaceKey || ch == kEnterKey) continue;
        if (AcceptTypedKey(out, ch, rule)) out.push_back(ch);
    }
    return out;
}

}  // namespace lm
