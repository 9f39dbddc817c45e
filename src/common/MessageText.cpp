// Escaping text the user gave before a message shows it.

#include "common/MessageText.h"

#include "common/Utf8.h"

namespace lm {

namespace {

void AppendHex(std::string& out, unsigned char b) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
}

}  // namespace

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto b = static_cast<unsigned char>(text[at]);
        if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
            ++at;
            continue;
        }
        if (b == '\n') out += "\\n";
        else if (b == '\r') out += "\\r";
        else if (b == '\t') out += "\\t";
        else if (b < 0x80) AppendHex(out, b);
        else if (const int length = Utf8SequenceLength(text.substr(at)); length < 0) AppendHex(out, b);
        else if (b == 0xC2 && static_cast<unsigned char>(text[at + 1]) <= 0x9F) {  // U+0080..U+009F
            AppendHex(out, b);
            AppendHex(out, static_cast<unsigned char>(text[at + 1]));
            at += 2;
            continue;
        } else {
            out.append(text.substr(at, static_cast<std::size_t>(length)));
            at += static_cast<std::size_t>(length);
            continue;
        }
        ++at;
    }
    return out;
}

std::string QuoteForMessage(std::string_view text, char mark) {
    return mark + EscapeControls(text) + mark;
}

}  // namespace lm
