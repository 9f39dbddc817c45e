// Escaping text the user gave before a message shows it.

#include "common/MessageText.h"

namespace lm {

namespace {

bool Continuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// The length of the valid UTF-8 sequence at `at`, or 0 where the byte starts none.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (lead == 0xE0) low = 0xA0;        // overlong
    if (lead == 0xED) high = 0x9F;       // surrogates
    if (lead == 0xF0) low = 0x90;        // overlong
    if (lead == 0xF4) high = 0x8F;       // past U+10FFFF
    if (at + length > text.size()) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!Continuation(byte(k))) return 0;
    return length;
}

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
        else if (const std::size_t length = SequenceLength(text, at); length == 0) AppendHex(out, b);
        else if (b == 0xC2 && static_cast<unsigned char>(text[at + 1]) <= 0x9F) {  // U+0080..U+009F
            AppendHex(out, b);
            AppendHex(out, static_cast<unsigned char>(text[at + 1]));
            at += 2;
            continue;
        } else {
            out.append(text.substr(at, length));
            at += length;
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
