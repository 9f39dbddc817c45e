// Looking up data files in the current, program and installed folders and reading them
// whole, within a size limit.

#include "common/DataFiles.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace lm {

namespace fs = std::filesystem;

std::string InstalledDataFolder() {
#ifdef LM_DATA_DIR
    return LM_DATA_DIR;
#else
    return {};
#endif
}

DataFolders StandardDataFolders(const std::string& programFolder) {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    return {ec ? std::string() : current.string(), programFolder, InstalledDataFolder()};
}

namespace {

std::array<const std::string*, 3> InOrder(const DataFolders& folders) {
    return {&folders.current, &folders.program, &folders.installed};
}

// Empty when `path` was read into `out`, otherwise why not.
std::string ReadWhole(const fs::path& path, std::size_t maxBytes, std::string& out) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) return "not found";
    // A pipe or device could keep the start-up waiting for ever.
    if (!fs::is_regular_file(status)) return path.string() + " is not a regular file";
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return path.string() + ": " + ec.message();
    if (size > maxBytes) return path.string() + " is too large for a text file";
    std::ifstream in(path, std::ios::binary);
    if (!in) return path.string() + ": " + std::generic_category().message(errno);
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    if (in.bad() || in.gcount() != static_cast<std::streamsize>(size))
        return path.string() + ": the file could not be read to its end";
    out = std::move(text);
    return {};
}

}  // namespace

std::string FindDataFile(const std::string& name, const DataFolders& folders) {
    for (const std::string* folder : InOrder(folders)) {
        if (folder->empty()) continue;
        const fs::path candidate = fs::path(*folder) / name;
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec) && std::ifstream(candidate, std::ios::binary).is_open())
            return candidate.string();
    }
    return {};
}

DataText LoadDataText(const std::string& name, const DataFolders& folders, std::size_t maxBytes) {
    DataText result;
    std::string lastProblem;
    std::string searched;
    std::vector<std::string> seen;
    for (const std::string* folder : InOrder(folders)) {
        // Started from its own folder, the program's folder is the current one.
        if (folder->empty() || std::find(seen.begin(), seen.end(), *folder) != seen.end()) continue;
        seen.push_back(*folder);
        searched += (searched.empty() ? "" : ", ") + *folder;
        const fs::path candidate = fs::path(*folder) / name;
        const std::string problem = ReadWhole(candidate, maxBytes, result.text);
        if (problem.empty()) {
            result.path = candidate.string();
            return result;
        }
        if (problem != "not found") lastProblem = problem;
    }
    // Name the file that was there but unreadable, if any: that is what the user can mend.
    result.error = "Error Loading " + name + ": " +
                   (lastProblem.empty() ? "no such file in " + (searched.empty() ? "any folder" : searched)
                                        : lastProblem);
    return result;
}

}  // namespace lm
