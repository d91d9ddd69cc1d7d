#pragma once

#include "people/library.h"
#include "texts/words.h"

#include <cstdint>
#include <string>

// The words of the people library: what went wrong with the library file,
// and what an import says of its lines.

namespace tirovane::texts {

// "The people library /x/people.sqlite is in use by another program; try
// again in a moment." and the like, for the library at `path`.
std::string LibraryErrorText(const people::Error& error, const std::string& path,
                             const Words& words = English());

// "There is no person with Id 12 in the library."
std::string NoSuchPersonText(std::int64_t id, const Words& words = English());

// "Asha is already in the library (Id 12)."
std::string AlreadyThereText(const std::string& name, std::int64_t id,
                             const Words& words = English());

// "Nothing was imported: 2 bad lines." (the count in a counted form)
std::string NothingImportedText(std::size_t badLines, const Words& words = English());

} // namespace tirovane::texts
