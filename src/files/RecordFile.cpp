// Reading and writing files of little-endian single-precision records, with clear
// messages for unreadable or truncated files.

#include "files/RecordFile.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/AtomicFile.h"
#include "common/MessageText.h"


namespace lm {

namespace {

std::string SystemMessage(int err) { return std::generic_category().message(err); }

float DecodeLE(const unsigned char* b) {
    const std::uint32_t bits = static_cast<std::uint32_t>(b[0]) |
                               (static_cast<std::uint32_t>(b[1]) << 8) |
                               (static_cast<std::uint32_t>(b[2]) << 16) |
                               (static_cast<std::uint32_t>(b[3]) << 24);
    return std::bit_cast<float>(bits);
}

void EncodeLE(float v, unsigned char* b) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFFu);
}

}  // namespace

RecordReadResult ReadRecordFile(const std::string& path, std::size_t maxRecords) {
    namespace fs = std::filesystem;
    RecordReadResult result;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) {
        result.error = "Cannot read " + QuoteForMessage(path, '"') + ": it is a folder.";
        return result;
    }
    // Opening a pipe or device could wait forever for data that never comes.
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        result.error = "Cannot read " + QuoteForMessage(path, '"') + ": it is not a regular file.";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "Cannot open " + QuoteForMessage(path, '"') + ": " + SystemMessage(errno) + ".";
        return result;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        result.error = "Cannot read " + QuoteForMessage(path, '"') + ": " + ec.message() + ".";
        return result;
    }
    if (size % kRecordBytes != 0) {
        result.error = QuoteForMessage(path, '"') + " is not a dimension file: its size (" +
                       std::to_string(size) + " bytes) is not a whole number of " +
                       std::to_string(kRecordBytes) + "-byte records.";
        return result;
    }
    // Records past the last one used are ignored, so they are not even read.
    const std::size_t count =
        static_cast<std::size_t>(std::min<std::uintmax_t>(size / kRecordBytes, maxRecords));
    std::vector<unsigned char> bytes(count * kRecordBytes);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size()) {
        result.error = "Cannot read " + QuoteForMessage(path, '"') + ": input/output error.";
        return result;
    }
    result.records.resize(count);
    for (std::size_t r = 0; r < count; ++r)
        for (std::size_t s = 0; s < 5; ++s)
            result.records[r][s] = DecodeLE(&bytes[r * kRecordBytes + s * 4]);
    return result;
}

std::string WriteRecordFileAtomically(const std::string& path, const std::vector<Record>& records) {
    std::vector<unsigned char> bytes(records.size() * kRecordBytes);
    for (std::size_t r = 0; r < records.size(); ++r)
        for (std::size_t s = 0; s < 5; ++s) EncodeLE(records[r][s], &bytes[r * kRecordBytes + s * 4]);
    return WriteFileAtomically(path, bytes);
}

bool AllFinite(const std::vector<Record>& records, std::size_t count) {
    for (std::size_t r = 0; r < count && r < records.size(); ++r)
        for (float v : records[r])
            if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace lm
