#include "app/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tirovane {

namespace {

std::string SystemError() {
    return std::strerror(errno);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
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

} // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::filesystem::path target(path);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
        return std::string("it is a folder");
    }
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return SystemError();
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const std::string writeError = written ? std::string() : SystemError();
    // The file keeps the permissions it had; a new one gets those an
    // ordinary new file would get.
    const auto status = std::filesystem::status(target, error);
    if (!error && std::filesystem::exists(status)) {
        ::fchmod(fd, static_cast<mode_t>(status.permissions()) & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::close(fd) != 0 && written) {
        ::unlink(temporary.c_str());
        return SystemError();
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return writeError;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string renameError = SystemError();
        ::unlink(temporary.c_str());
        return renameError;
    }
    return std::nullopt;
}

ReadResult ReadFileStart(const std::string& path, std::size_t limit) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return {std::nullopt, SystemError()};
    }
    std::string bytes(limit, '\0');
    const std::size_t n = std::fread(bytes.data(), 1, limit, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return {std::nullopt, "it could not be read"};
    }
    bytes.resize(n);
    return {std::move(bytes), {}};
}

} // namespace tirovane
