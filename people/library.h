#pragma once

#include "manglik/manglik.h"
#include "reading/birth_details.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;

// The people library: the birth details of every person a family or a
// matchmaker keeps, in one SQLite file that the windows and the command
// line share. Each person carries the chart values that ranking needs,
// recomputed whenever the details or the engine change. Every change is
// one transaction: a program killed in the middle leaves all of it or none.

namespace tirovane::people {

// A person of the library.
struct Person {
    std::int64_t Id = 0;
    BirthDetails Details;
    std::string Zone; // the IANA time zone of the place, when it is known
    std::string Notes;
    std::string Added;   // when, in UTC: "2026-12-09T06:31:28Z"
    std::string Changed; // the same form
};

// What ranking needs of a person: the sidereal Moon and both Manglik
// verdicts of the described engine's chart, and the sex.
struct ChartValues {
    double Moon = 0;
    manglik::Verdict Lagna = manglik::Verdict::NotManglik;
    manglik::Verdict Rashi = manglik::Verdict::NotManglik;
};
ChartValues ChartValuesOf(const BirthDetails& details);

struct Candidate {
    std::int64_t Id = 0;
    std::string Name;
    Sex PersonSex = Sex::NotGiven;
    ChartValues Values;
};

// Why the library could not be used.
enum class Problem {
    Missing,     // no file there (only reading was asked for)
    NotALibrary, // a file that is no people library: left untouched
    Newer,       // written by a newer program
    ReadOnly,    // the file or its folder cannot be written
    Busy,        // another program holds the library locked
    Failed,      // anything else SQLite reports
    NoSuchPerson,
};

struct Error {
    Problem Kind = Problem::Failed;
    std::string Detail; // SQLite's own message, where there is one
};

enum class OpenMode {
    Read,   // list, export, rank: a read-only library will do
    Change, // add, import, edit: the library is created when missing
};

// The schema version this program writes; older libraries are migrated
// when opened for a change.
inline constexpr int SchemaVersion = 2;

class Library {
public:
    static std::variant<std::unique_ptr<Library>, Error> Open(const std::string& path,
                                                              OpenMode mode);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // The people of a search: every person whose name or place holds the
    // text, case and accents aside (every person for an empty text),
    // in the order they were added.
    std::variant<std::vector<Person>, Error> List(const std::string& search = {}) const;
    std::variant<Person, Error> Get(std::int64_t id) const;

    // Adds the people in one transaction. A person equal in name and birth
    // details to one already there (or earlier in the list) is not added
    // again: its entry holds that person's id and New false. `progress`
    // is told how many are done and may answer false to cancel, which adds
    // nobody; `now` is the time written as added and changed.
    struct Added {
        std::int64_t Id = 0;
        bool New = false;
    };
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;
    std::variant<std::vector<Added>, Error>
    Add(const std::vector<Person>& people, const std::string& now, const Progress& progress = {});
    // Replaces a person's details, sex, zone and notes (its chart values are
    // made again).
    std::optional<Error> Update(const Person& person, const std::string& now);
    std::optional<Error> Remove(std::int64_t id);

    // Every person with chart values, fresh: values of an older engine are
    // made again (and stored, when the library may be changed). With
    // `details`, each candidate's birth details are read from the same row
    // into it, in the same order.
    std::variant<std::vector<Candidate>, Error>
    Candidates(std::vector<BirthDetails>* details = nullptr);

    int Version() const { return version_; }

private:
    Library(sqlite3* db, bool writable, int version);
    sqlite3* db_;
    bool writable_;
    int version_;
};

// The text a search compares: lower case, Latin accents dropped, other
// scripts as they are.
std::string SearchFold(const std::string& utf8);

// The current time in the form the library stores.
std::string NowUtc();

} // namespace tirovane::people
