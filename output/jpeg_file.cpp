#include "output/jpeg_file.h"

#include <QFile>
#include <QLibrary>
#include <QString>
#include <cctype>
#include <cstdio>

namespace tirovane {

namespace {

constexpr const char* ConverterLibrary = "libBmp2Jpeg.so";

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    std::size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

// Every ".jpg" in any case replaced by ".bmp".
std::string BmpPathOf(std::string path) {
    for (std::size_t i = 0; i + 4 <= path.size(); ++i) {
        std::string part = path.substr(i, 4);
        for (char& c : part) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (part == ".jpg") {
            path.replace(i, 4, ".bmp");
            i += 3;
        }
    }
    return path;
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
    platform.ShowMessage("There are too many Copies of this file  " + file,
                         " UNABLE  TO  CREATE  NEW  FILE" + file, MessageKind::Error,
                         MessageButtons::Ok);
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

    const std::string bmp = BmpPathOf(target);
    const std::string base = bmp.substr(0, bmp.size() - 4);
    if (picture.isNull() || !picture.save(QString::fromStdString(base + ".bmp"), "BMP")) {
        std::remove((base + ".bmp").c_str());
        Report(platform, "The picture could not be written to " + base + ".bmp.");
        return std::nullopt;
    }
    const auto failure = Convert(platform, base + ".bmp", base + ".jpg");
    std::remove((base + ".bmp").c_str());
    if (failure) {
        std::remove((base + ".jpg").c_str());
        Report(platform, "The picture could not be saved as " + base + ".jpg: " + *failure + ".");
        return std::nullopt;
    }
    return saved;
}

} // namespace tirovane
