// The safe replace every save goes through.

#pragma once

// Replacing a file only once its new contents are safely on disk.

#include <span>
#include <string>
#include <string_view>

namespace lm {

// Writes the bytes to a new file beside the target, made exclusively under an
// unguessable name and never through a link, syncs it and renames it over the target
// only when every write succeeded, then syncs the folder. An existing file keeps its
// permissions (and owner where permitted), a link keeps pointing at the file it names,
// and anything but a plain file is refused. On any failure, the file-size limit
// included, the target is untouched and no temporary file is left.
// Returns an error message, empty on success.
std::string WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes);

// The same for text.
inline std::string WriteFileAtomically(const std::string& path, std::string_view text) {
    return WriteFileAtomically(
        path, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

}  // namespace lm
