// The small JSON writer the commands print with: numbers, strings and flat objects.

#pragma once

#include <string>
#include <string_view>

namespace lm::cli {

// Text of a real that reads back to the same single (9 significant digits); null for a
// value JSON cannot carry.
std::string JsonNumber(double value);
std::string JsonString(std::string_view text);

// Builds one JSON object, key by key, in the order given.
class JsonObject {
public:
    JsonObject& Raw(std::string_view key, std::string_view json);
    JsonObject& Number(std::string_view key, double value) { return Raw(key, JsonNumber(value)); }
    JsonObject& Bool(std::string_view key, bool value) { return Raw(key, value ? "true" : "false"); }
    JsonObject& String(std::string_view key, std::string_view value) { return Raw(key, JsonString(value)); }
    std::string Text() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

}  // namespace lm::cli
