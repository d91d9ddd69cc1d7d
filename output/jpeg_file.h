#pragma once

#include "platform/platform.h"

#include <QImage>
#include <optional>
#include <string>

// Saving the picture of the result form as a JPEG file under a free name,
// through a temporary BMP file and the converter component.

namespace tirovane {

// Splits a path at its last "/": the folder before it, the file name after
// it. A path without one leaves both outputs as they were.
void SplitPath(const std::string& path, std::string& folder, std::string& file);

// The local date and time as 17 digits (year, month, day, hour, minute,
// second, milliseconds), or its first 8 (the date) when dateOnly is set.
std::string TimestampName(const LocalTime& time, bool dateOnly);

// A path ending in ".jpg" that names no existing file: the file name itself
// when free, else the first free name with "_001" .. "_999" before each dot.
// When all are taken the user is told and the result is empty.
std::string UniqueJpegPath(Platform& platform, std::string folder, std::string file);

// Where a picture went: the name shown in txtFile and the folder in txtFolder.
struct SavedPicture {
    std::string FileName;
    std::string Folder;
    std::string Path;
};

// Saves `picture` as a JPEG at a free name derived from `path` (its
// extension replaced by ".jpg"). A failure is reported to the user and
// leaves no temporary BMP behind; the result is then empty.
std::optional<SavedPicture> SaveAsJpeg(Platform& platform, const QImage& picture,
                                       const std::string& path);

} // namespace tirovane
