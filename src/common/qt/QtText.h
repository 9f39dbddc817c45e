// The core's UTF-8 text as Qt's, whatever bytes it holds and without a terminating nul.
#pragma once

#include <QString>

#include <string_view>

namespace lm {

inline QString QtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace lm
