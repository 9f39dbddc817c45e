// Finding and reading the program's data files (instruction texts, sounds): the current
// folder first, then the folder of the program, then the installed data folder.
#pragma once

#include <cstddef>
#include <string>

namespace lm {

// The folders searched, in this order; an empty entry is skipped.
struct DataFolders {
    std::string current;
    std::string program;
    std::string installed;
};

// The installed data folder compiled into the program (empty in a build without one).
std::string InstalledDataFolder();

// The current folder, the given program folder and the installed data folder.
DataFolders StandardDataFolders(const std::string& programFolder);

// Full path of the first readable regular file called `name` in the folders; empty
// when none.
std::string FindDataFile(const std::string& name, const DataFolders& folders);

struct DataText {
    std::string text;   // the file's bytes, when read
    std::string path;   // where it was read from
    std::string error;  // "Error Loading NAME: why", when no folder gave a readable file
    bool ok() const { return error.empty(); }
};

// Larger than any instruction text by far; a bigger file is not one of ours.
inline constexpr std::size_t kMaxDataTextBytes = 4u << 20;

// Reads the first readable file called `name`. A file that exists but cannot be read
// (a folder, a pipe, no permission, too large) is passed over for the next folder.
DataText LoadDataText(const std::string& name, const DataFolders& folders,
                      std::size_t maxBytes = kMaxDataTextBytes);

}  // namespace lm
