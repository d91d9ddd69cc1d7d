#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Whole files written safely and read with a bound.

namespace tirovane {

// Writes `bytes` to `path` so that a failed write leaves an existing file as
// it was. Returns nothing on success, or why it failed.
//
// - A symbolic link is followed: the file it names is written, the link stays.
// - Only an ordinary file (or a name that does not exist yet) is written: a
//   folder, a device, a pipe or a socket is refused.
// - A read-only file is refused; a replaced file keeps its permissions.
// - The bytes go to a new temporary file in the same folder, which is
//   synced and renamed over the target; the folder is synced after.
// - A file with further hard links is written in place instead, so that
//   every name keeps showing the same file; its old content is first copied
//   to a temporary file and written back if the write fails.
// - Temporaries are named "." + the file's name + ".tirovane-" + 6 random
//   characters (the name shortened where that would pass the system's limit
//   on a name's length); one left by a killed save of the same file is
//   removed by the next save.
std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& bytes);

// The name of the temporary files of a save of `fileName`, without the 6
// random characters that end it.
std::string TemporaryNamePrefix(std::string_view fileName);

struct ReadResult {
    std::optional<std::string> Bytes;
    std::string Error; // why reading failed, when Bytes is empty
};

// Reads at most `limit` bytes of an ordinary file. Anything else (a folder,
// a pipe, a device) is refused without waiting for it.
ReadResult ReadFileStart(const std::string& path, std::size_t limit);

} // namespace tirovane
