// Writing and reading test dimension files byte by byte, and a scratch folder per test.

#pragma once

// Dimension files written and read byte by byte, independently of the file code, and a
// scratch folder per test.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace lm::test {

using Slots = std::vector<std::array<float, 5>>;

inline std::vector<unsigned char> LittleEndianBytes(const Slots& records) {
    std::vector<unsigned char> bytes;
    for (const auto& r : records)
        for (float v : r) {
            const std::uint32_t bits = std::bit_cast<std::uint32_t>(v);
            bytes.push_back(static_cast<unsigned char>(bits & 0xFF));
            bytes.push_back(static_cast<unsigned char>((bits >> 8) & 0xFF));
            bytes.push_back(static_cast<unsigned char>((bits >> 16) & 0xFF));
            bytes.push_back(static_cast<unsigned char>(bits >> 24));
        }
    return bytes;
}

inline void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

inline void WriteRecords(const std::string& path, const Slots& records) {
    WriteBytes(path, LittleEndianBytes(records));
}

inline std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Slot s (1..5) of record r (1..n) of a file's bytes.
inline float SlotOf(const std::vector<unsigned char>& bytes, int r, int s) {
    const std::size_t at = static_cast<std::size_t>((r - 1) * 20 + (s - 1) * 4);
    const std::uint32_t bits = std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) |
                               (std::uint32_t{bytes[at + 2]} << 16) | (std::uint32_t{bytes[at + 3]} << 24);
    return std::bit_cast<float>(bits);
}

// Every slot of every record holds its own value.
inline float DistinctValue(int r, int s) { return static_cast<float>(r) + static_cast<float>(s) / 8; }

inline Slots DistinctRecords(int count) {
    Slots records(static_cast<std::size_t>(count));
    for (int r = 1; r <= count; ++r)
        for (int s = 1; s <= 5; ++s) records[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(s - 1)] = DistinctValue(r, s);
    return records;
}

class ScratchFolder {
public:
    ScratchFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "lm-files-XXXXXX").string();
        if (::mkdtemp(tmpl.data()) != nullptr)
            path_ = tmpl;
        else
            ADD_FAILURE() << "cannot make a scratch folder in " << tmpl;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

}  // namespace lm::test
