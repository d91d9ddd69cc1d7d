#include "files/file_io.h"

#include <algorithm>

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>
#include <vector>

namespace tirovane {

namespace {

constexpr std::string_view TemporaryMark = ".tirovane-";
constexpr std::size_t RandomPart = 6; // the "XXXXXX" of mkstemp
// The longest name a folder entry may have on the file systems in use.
constexpr std::size_t LongestName = NAME_MAX;
// Symbolic links followed at the most, as the system itself does.
constexpr int MostLinks = 40;

constexpr const char* FolderReason = "it is a folder";
constexpr const char* SpecialReason = "it is not an ordinary file (a device, a pipe or a socket)";
constexpr const char* ReadOnlyReason = "it is read-only";

std::string SystemError(int code = errno) {
    return std::strerror(code);
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Closes a descriptor once, whatever path the code takes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Takes over a new descriptor.
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // Closes now; false when closing reported an error (a delayed write
    // failure on some file systems).
    bool Close() {
        if (fd_ < 0) {
            return true;
        }
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// A temporary file that is removed unless it was kept.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        fd.Close();
        if (!path.empty() && !kept) {
            ::unlink(path.c_str());
        }
    }
    // Creates a fresh file in `folder` for a save of `fileName`.
    bool Create(const std::string& folder, std::string_view fileName) {
        std::string name = folder + "/" + TemporaryNamePrefix(fileName) + "XXXXXX";
        const int created = ::mkostemp(name.data(), O_CLOEXEC);
        if (created < 0) {
            return false;
        }
        fd.Reset(created);
        path = std::move(name);
        return true;
    }

    Descriptor fd;
    std::string path;
    bool kept = false;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Copies everything of `from` (from its start) to `to` at its current place.
bool CopyAll(int from, int to) {
    if (::lseek(from, 0, SEEK_SET) < 0) {
        return false;
    }
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            return true;
        }
        if (!WriteAll(to, buffer.data(), static_cast<std::size_t>(n))) {
            return false;
        }
    }
}

// Makes a rename or a new name in `folder` last across a power failure.
// Some file systems cannot sync a folder; the data itself is synced anyway.
void SyncFolder(const std::string& folder) {
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid()) {
        ::fsync(fd.Get());
    }
}

// Removes the temporaries that earlier saves of the same file left behind
// when they were killed half way.
void RemoveLeftovers(const std::string& folder, std::string_view fileName) {
    const std::string prefix = TemporaryNamePrefix(fileName);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() != prefix.size() + RandomPart || name.substr(0, prefix.size()) != prefix) {
            continue;
        }
        const std::string path = folder + "/" + std::string(name);
        struct stat status {};
        if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            ::unlink(path.c_str());
        }
    }
    ::closedir(dir);
}

struct Target {
    std::string Path;
    bool Exists = false;
    struct stat Status {};
};

// The file a path names, with its symbolic links followed.
std::variant<Target, std::string> ResolveTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop <= MostLinks; ++hop) {
        Target target;
        target.Path = current;
        if (::lstat(current.c_str(), &target.Status) != 0) {
            if (errno == ENOENT) {
                return target; // a new file, or a link to a file not made yet
            }
            return SystemError();
        }
        if (!S_ISLNK(target.Status.st_mode)) {
            target.Exists = true;
            return target;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n < 0) {
            return SystemError();
        }
        link.resize(static_cast<std::size_t>(n));
        current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
    }
    return SystemError(ELOOP);
}

// Gives the new file the owner (where allowed) and the permissions of the
// one it replaces, or those of an ordinary new file.
void TakeOverPermissions(int fd, const Target& target) {
    if (target.Exists) {
        // Allowed for root, and for a group the user belongs to; otherwise
        // the file stays the user's, as any editor's would.
        [[maybe_unused]] const int owned = ::fchown(fd, target.Status.st_uid, target.Status.st_gid);
        ::fchmod(fd, target.Status.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
}

// The usual save: a new file renamed over the old one.
std::optional<std::string> ReplaceFile(const Target& target, const std::string& bytes) {
    const std::string folder = FolderOf(target.Path);
    TemporaryFile temporary;
    if (!temporary.Create(folder, FileNameOf(target.Path))) {
        return SystemError();
    }
    const int fd = temporary.fd.Get();
    if (!WriteAll(fd, bytes.data(), bytes.size()) || ::fsync(fd) != 0) {
        return SystemError();
    }
    TakeOverPermissions(fd, target);
    if (!temporary.fd.Close()) {
        return SystemError();
    }
    if (::rename(temporary.path.c_str(), target.Path.c_str()) != 0) {
        return SystemError();
    }
    temporary.kept = true; // it is the file now
    SyncFolder(folder);
    return std::nullopt;
}

// A file with several names (hard links) is written in place: a rename
// would give only this name the new content. Its old content is copied
// first and put back if the write fails.
std::optional<std::string> RewriteFile(const Target& target, const std::string& bytes) {
    const std::string folder = FolderOf(target.Path);
    const Descriptor file(::open(target.Path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (!file.Valid()) {
        return SystemError();
    }
    TemporaryFile backup;
    if (!backup.Create(folder, FileNameOf(target.Path))) {
        return SystemError();
    }
    if (!CopyAll(file.Get(), backup.fd.Get()) || ::fsync(backup.fd.Get()) != 0) {
        return SystemError();
    }
    SyncFolder(folder);
    if (::lseek(file.Get(), 0, SEEK_SET) == 0 && WriteAll(file.Get(), bytes.data(), bytes.size()) &&
        ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) == 0 &&
        ::fsync(file.Get()) == 0) {
        return std::nullopt;
    }
    const std::string failure = SystemError();
    const bool restored =
        ::lseek(file.Get(), 0, SEEK_SET) == 0 && CopyAll(backup.fd.Get(), file.Get()) &&
        ::ftruncate(file.Get(), target.Status.st_size) == 0 && ::fsync(file.Get()) == 0;
    if (!restored) {
        backup.kept = true;
        return failure + "; its old content is kept in " + backup.path;
    }
    return failure;
}

} // namespace

std::string TemporaryNamePrefix(std::string_view fileName) {
    // "." + name + mark + random part must fit in one folder entry; the name
    // is cut where needed, never inside a UTF-8 character.
    const std::size_t room = LongestName - 1 - TemporaryMark.size() - RandomPart;
    std::size_t keep = std::min(fileName.size(), room);
    if (keep < fileName.size()) {
        while (keep > 0 && (static_cast<unsigned char>(fileName[keep]) & 0xC0) == 0x80) {
            --keep;
        }
    }
    return "." + std::string(fileName.substr(0, keep)) + std::string(TemporaryMark);
}

std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& bytes) {
    if (path.empty()) {
        return SystemError(ENOENT);
    }
    auto resolved = ResolveTarget(path);
    if (const auto* problem = std::get_if<std::string>(&resolved)) {
        return *problem;
    }
    const Target& target = std::get<Target>(resolved);
    if (target.Exists) {
        if (S_ISDIR(target.Status.st_mode)) {
            return std::string(FolderReason);
        }
        if (!S_ISREG(target.Status.st_mode)) {
            return std::string(SpecialReason);
        }
        // The permission bits say so even to root, who may write anything.
        if ((target.Status.st_mode & 0222) == 0 ||
            (::access(target.Path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS))) {
            return std::string(ReadOnlyReason);
        }
    }
    RemoveLeftovers(FolderOf(target.Path), FileNameOf(target.Path));
    if (target.Exists && target.Status.st_nlink > 1) {
        return RewriteFile(target, bytes);
    }
    return ReplaceFile(target, bytes);
}

ReadResult ReadFileStart(const std::string& path, std::size_t limit) {
    // Looked at before opening: opening a pipe waits for a writer, and
    // opening a device may do something.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {std::nullopt, SystemError()};
    }
    if (S_ISDIR(status.st_mode)) {
        return {std::nullopt, FolderReason};
    }
    if (!S_ISREG(status.st_mode)) {
        return {std::nullopt, SpecialReason};
    }
    // Not waiting, in case it was swapped for a pipe since.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.Valid()) {
        return {std::nullopt, SystemError()};
    }
    if (::fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {std::nullopt, S_ISDIR(status.st_mode) ? FolderReason : SpecialReason};
    }
    // Room for the file as it is now (and a byte to see its end), more only
    // when it has grown since: a large limit costs nothing for a small file.
    const auto size = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
    std::vector<char> buffer(std::min(limit, size + 1));
    std::size_t done = 0;
    while (done < limit) {
        if (done == buffer.size()) {
            buffer.resize(std::min(limit, 2 * buffer.size() + 4096));
        }
        const ssize_t n = ::read(fd.Get(), buffer.data() + done, buffer.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {std::nullopt, "it could not be read (" + SystemError() + ")"};
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    std::string bytes(buffer.data(), done);
    return {std::move(bytes), {}};
}

} // namespace tirovane
