// JSON numbers (null for non-finite), escaped strings and objects for the commands' output.

#include "cli/Json.h"

#include <cmath>
#include <cstdio>

#include "common/Utf8.h"

namespace lm::cli {

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.9g", value);
    return buf;
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const char ch = text.front();
        const int length = Utf8SequenceLength(text);
        if (length < 0) {
            // Names come from the file system, which allows any bytes; JSON must be UTF-8.
            out += "\\ufffd";
            text.remove_prefix(static_cast<std::size_t>(-length));
            continue;
        }
        if (length > 1) {
            out += text.substr(0, static_cast<std::size_t>(length));
            text.remove_prefix(static_cast<std::size_t>(length));
            continue;
        }
        text.remove_prefix(1);
        switch (ch) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(ch));
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
    if (!body_.empty()) body_ += ", ";
    body_ += JsonString(key);
    body_ += ": ";
    body_ += json;
    return *this;
}

}  // namespace lm::cli
