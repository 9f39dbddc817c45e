// The record files every dimension format is made of: reading, safe writing, checks.

#pragma once

#include <array>
#include <string>
#include <vector>

namespace lm {

// Dimension files are plain runs of 20-byte records: five little-endian singles each.
inline constexpr int kRecordBytes = 20;
using Record = std::array<float, 5>;

struct RecordReadResult {
    std::vector<Record> records;
    std::string error;  // empty when the file was read
    bool ok() const { return error.empty(); }
};

// Reads the first maxRecords records of the file. Refuses, with a message naming the
// file, a file that cannot be read or whose size is not a whole number of records.
// Values are not checked here.
RecordReadResult ReadRecordFile(const std::string& path, std::size_t maxRecords);

// Writes the records as a file through WriteFileAtomically, with all its guarantees.
std::string WriteRecordFileAtomically(const std::string& path, const std::vector<Record>& records);

// True when every value in the first `count` records is finite.
bool AllFinite(const std::vector<Record>& records, std::size_t count);

}  // namespace lm
