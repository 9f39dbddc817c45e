// A visited field's place as text.

#include "model/ModelFields.h"

namespace lm {

std::string FieldPath::Text() const {
    std::string text;
    for (int level = 0; level < depth_; ++level) {
        if (Name(level) == nullptr) {
            text += '[' + std::to_string(Index(level)) + ']';
            continue;
        }
        if (!text.empty()) text += '.';
        text += Name(level);
    }
    return text;
}

}  // namespace lm
