#pragma once

#include "people/library.h"
#include "reading/pair_match.h"
#include "texts/words.h"

#include <array>
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

// The columns of the People window's list: "Name", "Date of Birth",
// "Time", "Place", "Sex"; and a person's cells ("1990-05-04", "07:15",
// "Chennai, Tamil Nadu, India", "Female").
extern const std::array<const char*, 5> PeopleColumns;
std::array<std::string, 5> PersonRowTexts(const people::Person& person,
                                          const Words& words = English());

// The columns of a ranking: the candidate's name, place and birth date, the
// 36-point total, the Nadi and Bhakoot doshas, the porutham count and
// verdict, Rajju, and whether both Manglik match lines are favourable; and
// a candidate's cells.
extern const std::array<const char*, 10> RankingColumns;
std::array<std::string, 10> RankingRowTexts(const BirthDetails& candidate,
                                            const PairMatch& match,
                                            const Words& words = English());
// One cell of those, by its column (0 .. 9); an empty text for another.
std::string RankingCellText(const BirthDetails& candidate, const PairMatch& match, int column,
                            const Words& words = English());

// Both match lines favourable: the dosha nullified or absent in each.
bool ManglikFavourable(const PairMatch& match);

} // namespace tirovane::texts
