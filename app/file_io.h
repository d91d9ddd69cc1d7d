#pragma once

#include <optional>
#include <string>

// Whole files written safely and read with a bound.

namespace tirovane {

// Writes `bytes` to `path` through a temporary file in the same folder,
// renamed over the target, so that a failed write leaves an existing file
// as it was. Returns nothing on success, or why it failed.
std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& bytes);

struct ReadResult {
    std::optional<std::string> Bytes;
    std::string Error; // why reading failed, when Bytes is empty
};

// Reads at most `limit` bytes of a file.
ReadResult ReadFileStart(const std::string& path, std::size_t limit);

} // namespace tirovane
