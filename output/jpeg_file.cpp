#include "output/jpeg_file.h"

#include "texts/words.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tirovane {

namespace {

// A message in the language in use, its placeholders filled.
std::string Say(const char* source, std::initializer_list<std::string_view> arguments = {}) {
    return texts::Fill(QCoreApplication::translate("Messages", source).toStdString(), arguments);
}

constexpr const char* ConverterLibrary = "libBmp2Jpeg.so";

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    std::size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

void Report(Platform& platform, const std::string& text) {
    platform.ShowMessage(text, MessageTitle, MessageKind::Error, MessageButtons::Ok);
}

// Converts the BMP with the converter component from the program's folder.
std::optional<std::string> Convert(Platform& platform, const std::string& bmp,
                                   const std::string& jpeg) {
    QLibrary library(QString::fromStdString(platform.ProgramFolder() + "/" + ConverterLibrary));
    using Converter = int (*)(const char*, const char*, int);
    const auto convert = reinterpret_cast<Converter>(library.resolve("BmpToJpeg"));
    if (convert == nullptr) {
        return "the picture converter could not be loaded (" + library.errorString().toStdString() +
               ")";
    }
    const QByteArray bmpPath = QFile::encodeName(QString::fromStdString(bmp));
    const QByteArray jpegPath = QFile::encodeName(QString::fromStdString(jpeg));
    if (convert(bmpPath.constData(), jpegPath.constData(), 100) != 0) {
        return std::string("the picture converter could not write the JPEG file");
    }
    return std::nullopt;
}

// The BMP and the JPEG of one save: fresh files the program makes itself
// in the target folder, "base.bmp" and "base.jpg" with a random base no
// user file has, removed again whatever happens.
class PictureTemporaries {
public:
    PictureTemporaries() = default;
    PictureTemporaries(const PictureTemporaries&) = delete;
    PictureTemporaries& operator=(const PictureTemporaries&) = delete;
    ~PictureTemporaries() {
        if (bmpFd_ >= 0) {
            ::close(bmpFd_);
        }
        for (const std::string* path : {&bmp_, &jpeg_}) {
            if (!path->empty()) {
                ::unlink(path->c_str());
            }
        }
    }

    // Creates both files in `folder`; false (errno set) when it cannot.
    bool Create(const std::string& folder) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string bmp = folder + "/.tirovane-picture-XXXXXX.bmp";
            const int fd = ::mkostemps(bmp.data(), 4, O_CLOEXEC);
            if (fd < 0) {
                return false;
            }
            std::string jpeg = bmp.substr(0, bmp.size() - 4) + ".jpg";
            const int jpegFd =
                ::open(jpeg.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (jpegFd >= 0) {
                ::close(jpegFd);
                bmpFd_ = fd;
                bmp_ = std::move(bmp);
                jpeg_ = std::move(jpeg);
                return true;
            }
            const int error = errno;
            ::close(fd);
            ::unlink(bmp.c_str());
            if (error != EEXIST) {
                errno = error;
                return false;
            }
        }
        errno = EEXIST;
        return false;
    }

    // The BMP, open for writing.
    int BmpDescriptor() const { return bmpFd_; }
    bool CloseBmp() {
        const int fd = bmpFd_;
        bmpFd_ = -1;
        return ::close(fd) == 0;
    }
    const std::string& Bmp() const { return bmp_; }
    const std::string& Jpeg() const { return jpeg_; }

    // Gives the JPEG its final name, which must still be free: no file
    // that appeared there meanwhile is replaced.
    bool MoveJpegTo(const std::string& target) {
        if (::renameat2(AT_FDCWD, jpeg_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            jpeg_.clear();
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            return false;
        }
        // A file system without the no-replace rename: a new link fails as
        // well when the name is taken.
        if (::link(jpeg_.c_str(), target.c_str()) != 0) {
            return false;
        }
        return true; // the temporary name goes with the destructor
    }

private:
    int bmpFd_ = -1;
    std::string bmp_;
    std::string jpeg_;
};

} // namespace

void SplitPath(const std::string& path, std::string& folder, std::string& file) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return;
    }
    folder = path.substr(0, slash);
    file = path.substr(slash + 1);
}

std::string TimestampName(const LocalTime& t, bool dateOnly) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u%02d%02d%02d%03d",
                  static_cast<int>(t.Date.year()), static_cast<unsigned>(t.Date.month()),
                  static_cast<unsigned>(t.Date.day()), t.Hour, t.Minute, t.Second, t.Millisecond);
    std::string name(text);
    return dateOnly ? name.substr(0, 8) : name;
}

std::string UniqueJpegPath(Platform& platform, std::string folder, std::string file) {
    if (folder.empty()) {
        folder = platform.ProgramFolder();
    }
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    folder = ReplaceAll(folder, "//", "/");
    if (file.empty()) {
        file = TimestampName(platform.Now(), true) + ".jpg";
    } else if (file.find('.') != std::string::npos) {
        file = ReplaceAll(file, ".bmp", ".jpg");
    } else {
        file += ".jpg";
    }
    if (!platform.FileExists(folder + file)) {
        return folder + file;
    }
    for (int n = 1; n <= 999; ++n) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "_%03d.", n);
        const std::string candidate = ReplaceAll(file, ".", digits);
        if (!platform.FileExists(folder + candidate)) {
            return folder + candidate;
        }
    }
    platform.ShowMessage(
        Say(QT_TRANSLATE_NOOP("Messages", "There are too many Copies of this file  %1"), {file}),
        Say(QT_TRANSLATE_NOOP("Messages", " UNABLE  TO  CREATE  NEW  FILE%1"), {file}),
        MessageKind::Error, MessageButtons::Ok);
    return {};
}

std::optional<SavedPicture> SaveAsJpeg(Platform& platform, const QImage& picture,
                                       const std::string& path) {
    // The extension goes: the name is cut at its first dot.
    std::string named = path;
    const auto slash = named.rfind('/');
    const auto dot = named.find('.', slash == std::string::npos ? 0 : slash + 1);
    if (dot != std::string::npos) {
        named.resize(dot);
    }
    named += ".jpg";

    SavedPicture saved;
    SplitPath(named, saved.Folder, saved.FileName);
    const std::string shownName = saved.FileName;
    const std::string target = UniqueJpegPath(platform, saved.Folder, saved.FileName);
    if (target.empty()) {
        return std::nullopt;
    }
    saved.FileName = shownName;
    std::string ignored;
    SplitPath(target, saved.Folder, ignored);
    saved.Path = target;

    // The picture goes through a BMP and a JPEG of the program's own, made
    // fresh beside the target, and only then takes the free name found.
    PictureTemporaries temporaries;
    const std::string folder = saved.Folder.empty() ? std::string("/") : saved.Folder;
    bool written = temporaries.Create(folder);
    std::string reason = written ? std::string() : std::strerror(errno);
    if (written) {
        QFile bmp;
        written = !picture.isNull() &&
                  bmp.open(temporaries.BmpDescriptor(), QIODevice::WriteOnly,
                           QFileDevice::DontCloseHandle) &&
                  picture.save(&bmp, "BMP") && bmp.flush();
        bmp.close();
        written = temporaries.CloseBmp() && written;
        if (!written) {
            reason = picture.isNull() ? "there is no picture" : "the bitmap could not be written";
        }
    }
    if (!written) {
        Report(platform,
               Say(QT_TRANSLATE_NOOP("Messages", "The picture could not be written to %1: %2."),
                   {folder, reason}));
        return std::nullopt;
    }
    auto failure = Convert(platform, temporaries.Bmp(), temporaries.Jpeg());
    if (!failure && !temporaries.MoveJpegTo(target)) {
        failure = errno == EEXIST ? std::string("a file of that name appeared meanwhile")
                                  : std::string(std::strerror(errno));
    }
    if (failure) {
        Report(platform,
               Say(QT_TRANSLATE_NOOP("Messages", "The picture could not be saved as %1: %2."),
                   {target, *failure}));
        return std::nullopt;
    }
    return saved;
}

} // namespace tirovane
