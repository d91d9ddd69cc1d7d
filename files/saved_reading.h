#pragma once

#include "reading/birth_details.h"
#include "reading/person_form.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The saved-reading file (".tvr"): 34 lines ended by CR LF, 17 per person,
// then the two people's sexes on lines 35 and 36 when either is given.
// A reading whose texts all have Windows-1252 codes 0 to 170 is written as
// it always was, each line reversed and shifted by 85 per byte; any other
// reading is written whole in UTF-8 after the line "Tirovane reading,
// UTF-8" (docs/reading-file.md). Opening tells the two apart.

namespace tirovane {

// The bytes in reverse order, each raised by 85; a byte that would exceed
// 255 (171 to 255) is dropped.
std::string Scramble(std::string_view bytes);

// The inverse: reverse order, each lowered by 85; a byte that would fall
// below 0 (0 to 84) is dropped.
std::string Unscramble(std::string_view bytes);

inline constexpr int LinesPerPerson = 17;

// The file of a reading: both people's birth details, each with the zone
// row given (the one selected on the input form when saving). The texts
// hold no line break (the validation refuses them).
std::string ReadingFileBytes(const std::array<BirthDetails, 2>& people,
                             const std::array<int, 2>& zoneRows);

// The input form after opening a file: `current` is what the form held,
// `file` the file's bytes. Texts come from their lines; a list whose line
// matches none of its entries (an empty or missing line among them) keeps
// its selection, and so does a direction or check box whose line is empty.
std::array<PersonForm, 2> ApplyReadingFile(std::string_view file,
                                           const std::array<PersonForm, 2>& current);

// A line of a saved reading that opening it cannot use: its number in the
// file (1 to 36, or 2 to 37 after the marker line of the UTF-8 form) and
// what is wrong ("is missing", "does not hold a month from 1 to 12", "is
// not UTF-8 text").
struct UnreadableLine {
    int Line;
    std::string Problem;
};

// The first line whose list or choice opening would leave as it was: a
// missing line, a list line that names no entry, a flag line that is
// neither a truth value nor a number. Nothing when every line can be used.
std::optional<UnreadableLine> FindUnreadableLine(std::string_view file);

// The extension check of the open command: the name's last three
// characters are exactly "tvr".
bool HasReadingExtension(std::string_view path);

} // namespace tirovane
