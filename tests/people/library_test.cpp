// The people library: storage, search, the schema's migration, the files it
// must refuse, all-or-nothing changes, and the ranking from stored values.

#include "people/library.h"
#include "people/ranking.h"
#include "reading/birth_instant.h"
#include "reading/calculation.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tirovane::people {
namespace {

namespace fs = std::filesystem;

// The worked example: 12 April 1992, 00:00 GMT, 0°, 51°30' N.
BirthDetails Birth(const std::string& name, int day = 12, Sex sex = Sex::NotGiven) {
    BirthDetails d;
    d.Name = name;
    d.Day = day;
    d.Month = 4;
    d.Year = 1992;
    SelectZoneRow(d, 29);
    d.LatitudeDegrees = 51;
    d.LatitudeMinutes = 30;
    d.City = "London";
    d.State = "England";
    d.Country = "United Kingdom";
    d.PersonSex = sex;
    return d;
}

Person Entry(const BirthDetails& d, const std::string& notes = {}) {
    Person p;
    p.Details = d;
    p.Notes = notes;
    return p;
}

class LibraryTest : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tirovane-people-" + std::to_string(::getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / "people.sqlite").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    std::unique_ptr<Library> Open(OpenMode mode = OpenMode::Change) {
        auto opened = Library::Open(path, mode);
        if (auto* error = std::get_if<Error>(&opened)) {
            ADD_FAILURE() << "cannot open: " << static_cast<int>(error->Kind) << " "
                          << error->Detail;
            return nullptr;
        }
        return std::move(std::get<std::unique_ptr<Library>>(opened));
    }
    Problem OpenFails(OpenMode mode) {
        auto opened = Library::Open(path, mode);
        EXPECT_TRUE(std::holds_alternative<Error>(opened));
        return std::holds_alternative<Error>(opened) ? std::get<Error>(opened).Kind
                                                     : Problem::Failed;
    }
    std::string Bytes() {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path folder;
    std::string path;
};

std::vector<std::string> Names(const std::variant<std::vector<Person>, Error>& listed) {
    std::vector<std::string> names;
    for (const Person& p : std::get<std::vector<Person>>(listed)) {
        names.push_back(p.Details.Name);
    }
    return names;
}

TEST_F(LibraryTest, AddsFindsEditsAndRemovesPeopleOnce) {
    EXPECT_EQ(OpenFails(OpenMode::Read), Problem::Missing) << "reading creates nothing";
    EXPECT_FALSE(fs::exists(path));
    auto library = Open();
    ASSERT_TRUE(library);
    EXPECT_EQ(library->Version(), SchemaVersion);
    const std::vector<Person> people = {
        Entry(Birth("Asha", 12, Sex::Female), "second cousin"), Entry(Birth("José", 13)),
        Entry(Birth("\u0930\u0935\u093F \u0915\u0941\u092E\u093E\u0930", 14, Sex::Male)),
        Entry(Birth("Asha", 12, Sex::Female))}; // the first again
    auto added =
        std::get<std::vector<Library::Added>>(library->Add(people, "2026-12-09T06:00:00Z"));
    ASSERT_EQ(added.size(), 4u);
    EXPECT_TRUE(added[0].New && added[1].New && added[2].New);
    EXPECT_FALSE(added[3].New) << "equal name and birth: not added twice";
    EXPECT_EQ(added[3].Id, added[0].Id);
    // Again later: all of them are there already.
    auto again = std::get<std::vector<Library::Added>>(library->Add(people, "later"));
    for (const auto& a : again) {
        EXPECT_FALSE(a.New);
    }

    EXPECT_EQ(Names(library->List()),
              (std::vector<std::string>{"Asha", "José",
                                        "\u0930\u0935\u093F \u0915\u0941\u092E\u093E\u0930"}));
    // Case and accents aside, in any script, name or place; % is a letter.
    EXPECT_EQ(Names(library->List("ASHA")), std::vector<std::string>{"Asha"});
    EXPECT_EQ(Names(library->List("jose")), std::vector<std::string>{"José"});
    EXPECT_EQ(Names(library->List("\u0915\u0941\u092E\u093E")).size(), 1u);
    EXPECT_EQ(Names(library->List("england")).size(), 3u);
    EXPECT_TRUE(Names(library->List("%")).empty());
    EXPECT_TRUE(Names(library->List("Kumar")).empty());

    Person asha = std::get<Person>(library->Get(added[0].Id));
    EXPECT_EQ(asha.Notes, "second cousin");
    EXPECT_EQ(asha.Details.PersonSex, Sex::Female);
    EXPECT_EQ(asha.Added, "2026-12-09T06:00:00Z");
    asha.Details.City = "Leeds";
    ASSERT_FALSE(library->Update(asha, "2026-12-10T00:00:00Z"));
    asha = std::get<Person>(library->Get(added[0].Id));
    EXPECT_EQ(asha.Details.City, "Leeds");
    EXPECT_EQ(asha.Changed, "2026-12-10T00:00:00Z");
    EXPECT_EQ(Names(library->List("leeds")), std::vector<std::string>{"Asha"});

    ASSERT_FALSE(library->Remove(added[1].Id));
    EXPECT_EQ(library->Remove(added[1].Id)->Kind, Problem::NoSuchPerson);
    EXPECT_EQ(std::get<Error>(library->Get(added[1].Id)).Kind, Problem::NoSuchPerson);
    EXPECT_EQ(Names(library->List()).size(), 2u);
}

TEST_F(LibraryTest, StoredChartValuesAreTheChartsAndFollowAnEdit) {
    auto library = Open();
    ASSERT_TRUE(library);
    const BirthDetails worked = Birth("Worked");
    const auto id =
        std::get<std::vector<Library::Added>>(library->Add({Entry(worked)}, "now"))[0].Id;
    // The worked example's Moon: 19 Can 24, sidereal.
    auto values = std::get<std::vector<Candidate>>(library->Candidates())[0].Values;
    EXPECT_NEAR(values.Moon, 90 + 19 + 24 / 60.0, 1.0 / 60);
    const PersonChart chart = CalculateChart(MakeEngineInput(worked));
    EXPECT_EQ(values.Lagna, manglik::VerdictOf(chart.LagnaChart));
    // Six months later the Moon stands elsewhere: the values follow.
    Person edited = std::get<Person>(library->Get(id));
    edited.Details.Month = 10;
    ASSERT_FALSE(library->Update(edited, "now"));
    values = std::get<std::vector<Candidate>>(library->Candidates())[0].Values;
    EXPECT_DOUBLE_EQ(values.Moon, ChartValuesOf(edited.Details).Moon);
    EXPECT_GT(std::abs(values.Moon - (90 + 19.4)), 1);
    // The people read with the candidates are the listed ones, in order.
    library->Add({Entry(Birth("Second")), Entry(Birth("Third"))}, "now");
    std::vector<BirthDetails> people = {BirthDetails{}};
    const auto candidates = std::get<std::vector<Candidate>>(library->Candidates(&people));
    const auto listed = std::get<std::vector<Person>>(library->List());
    ASSERT_EQ(people.size(), 3u);
    ASSERT_EQ(listed.size(), 3u);
    for (std::size_t k = 0; k < people.size(); ++k) {
        EXPECT_EQ(candidates[k].Id, listed[k].Id);
        EXPECT_EQ(people[k].Name, listed[k].Details.Name);
        EXPECT_EQ(people[k].Month, listed[k].Details.Month);
        EXPECT_EQ(people[k].City, listed[k].Details.City);
    }
}

TEST_F(LibraryTest, AnOlderLibraryIsMigratedWithItsPeople) {
    // A version-1 library as the first release wrote it, made here by hand.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    const char* v1 =
        "PRAGMA application_id = 1416196719; PRAGMA user_version = 1;"
        "CREATE TABLE people (id INTEGER PRIMARY KEY, name TEXT NOT NULL, year INTEGER NOT NULL,"
        " month INTEGER NOT NULL, day INTEGER NOT NULL, hour INTEGER NOT NULL,"
        " minute INTEGER NOT NULL, zone_row INTEGER NOT NULL,"
        " daylight_saving INTEGER NOT NULL, latitude_degrees INTEGER NOT NULL,"
        " latitude_minutes INTEGER NOT NULL, south INTEGER NOT NULL,"
        " longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL,"
        " east INTEGER NOT NULL, city TEXT NOT NULL, state TEXT NOT NULL,"
        " country TEXT NOT NULL, sex INTEGER NOT NULL, notes TEXT NOT NULL DEFAULT '',"
        " added TEXT NOT NULL, changed TEXT NOT NULL);"
        "INSERT INTO people VALUES (7, 'Zoë', 1992, 4, 12, 0, 0, 29, 0, 51, 30, 0, 0, 0, 0,"
        " 'London', 'England', 'United Kingdom', 2, 'kept', '2020-01-01T00:00:00Z',"
        " '2020-01-01T00:00:00Z');";
    ASSERT_EQ(sqlite3_exec(db, v1, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    {
        // Read as it is, without a change.
        auto reader = Open(OpenMode::Read);
        ASSERT_TRUE(reader);
        EXPECT_EQ(reader->Version(), 1);
        EXPECT_EQ(Names(reader->List("Zoë")), std::vector<std::string>{"Zoë"});
        EXPECT_EQ(std::get<std::vector<Candidate>>(reader->Candidates()).size(), 1u);
        // The whole person comes with the values made again from the row.
        std::vector<BirthDetails> people;
        const auto read = std::get<std::vector<Candidate>>(reader->Candidates(&people));
        ASSERT_EQ(people.size(), 1u);
        EXPECT_EQ(read[0].Id, 7);
        EXPECT_EQ(people[0].Name, "Zoë");
        EXPECT_EQ(people[0].City, "London");
        EXPECT_EQ(people[0].PersonSex, Sex::Female);
        EXPECT_DOUBLE_EQ(read[0].Values.Moon, ChartValuesOf(people[0]).Moon);
    }
    auto library = Open(OpenMode::Change);
    ASSERT_TRUE(library);
    EXPECT_EQ(library->Version(), SchemaVersion);
    EXPECT_EQ(Names(library->List("zoe")), std::vector<std::string>{"Zoë"}) << "now folded";
    const Person zoe = std::get<Person>(library->Get(7));
    EXPECT_EQ(zoe.Notes, "kept");
    EXPECT_EQ(zoe.Details.PersonSex, Sex::Female);
    const auto candidates = std::get<std::vector<Candidate>>(library->Candidates());
    EXPECT_DOUBLE_EQ(candidates[0].Values.Moon, ChartValuesOf(zoe.Details).Moon);
    // Adding the same person again finds her through the new index.
    auto added = std::get<std::vector<Library::Added>>(library->Add({Entry(zoe.Details)}, "now"));
    EXPECT_FALSE(added[0].New);
    EXPECT_EQ(added[0].Id, 7);
}

TEST_F(LibraryTest, FilesThatAreNoLibraryAreRefusedAndLeftAlone) {
    { std::ofstream(path) << "Name,Date\nAsha,1990-01-01\n"; }
    const std::string text = Bytes();
    EXPECT_EQ(OpenFails(OpenMode::Change), Problem::NotALibrary);
    EXPECT_EQ(OpenFails(OpenMode::Read), Problem::NotALibrary);
    EXPECT_EQ(Bytes(), text);

    fs::remove(path);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE notes (body TEXT)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    const std::string other = Bytes();
    EXPECT_EQ(OpenFails(OpenMode::Change), Problem::NotALibrary) << "another program's database";
    EXPECT_EQ(Bytes(), other);

    fs::remove(path);
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA application_id = 1416196719; PRAGMA user_version = 99",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    EXPECT_EQ(OpenFails(OpenMode::Change), Problem::Newer);
}

TEST_F(LibraryTest, ChangesAreAllOrNothing) {
    ASSERT_TRUE(Open());
    std::vector<Person> many;
    for (int k = 0; k < 200; ++k) {
        many.push_back(Entry(
            Birth("Person " + std::string(1, static_cast<char>('a' + k % 26)) + std::to_string(k),
                  1 + k % 28)));
    }
    // Cancelled halfway: nobody is added.
    {
        auto library = Open();
        auto added =
            library->Add(many, "now", [](std::size_t done, std::size_t) { return done < 100; });
        EXPECT_TRUE(std::get<std::vector<Library::Added>>(added).empty());
        EXPECT_TRUE(Names(library->List()).empty());
    }
    // Killed halfway: the library opens again with none of the import.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto opened = Library::Open(path, OpenMode::Change);
        auto& library = std::get<std::unique_ptr<Library>>(opened);
        library->Add(many, "now", [](std::size_t done, std::size_t) {
            if (done == 150) {
                ::_exit(9); // no destructor, no rollback: as if killed
            }
            return true;
        });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 9);
    auto library = Open();
    ASSERT_TRUE(library);
    EXPECT_TRUE(Names(library->List()).empty());
    // Whole, it all arrives.
    auto added = std::get<std::vector<Library::Added>>(library->Add(many, "now"));
    EXPECT_EQ(Names(library->List()).size(), many.size());

    // Opened only for reading, the library refuses a change.
    auto reader = Open(OpenMode::Read);
    auto refused = reader->Add({Entry(Birth("New"))}, "now");
    ASSERT_TRUE(std::holds_alternative<Error>(refused));
    EXPECT_EQ(std::get<Error>(refused).Kind, Problem::ReadOnly);
}

TEST_F(LibraryTest, AnotherProgramsLockIsToldNotWaitedOutForever) {
    auto library = Open();
    ASSERT_TRUE(library);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    auto added = library->Add({Entry(Birth("Waiting"))}, "now");
    ASSERT_TRUE(std::holds_alternative<Error>(added));
    EXPECT_EQ(std::get<Error>(added).Kind, Problem::Busy);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(std::holds_alternative<std::vector<Library::Added>>(
        library->Add({Entry(Birth("Waiting"))}, "now")));
}

TEST(Ranking, OrdersFiltersAndAgreesWithTheWholeCharts) {
    // Candidates a day apart: their Moons move some 13° a day, through
    // different stars and signs.
    std::vector<Candidate> all;
    std::vector<PersonChart> charts;
    for (int k = 0; k < 28; ++k) {
        const BirthDetails d =
            Birth("C" + std::to_string(k), 1 + k, k % 2 ? Sex::Male : Sex::Female);
        charts.push_back(CalculateChart(MakeEngineInput(d)));
        all.push_back({k + 1, d.Name, d.PersonSex, ChartValuesOf(d)});
    }
    const Candidate& her = all[0]; // female
    const auto ranked = Rank(her, all);
    ASSERT_EQ(ranked.size(), 14u) << "the men only, and not herself";
    for (std::size_t k = 0; k < ranked.size(); ++k) {
        const auto& r = ranked[k];
        EXPECT_EQ(all[r.Index].PersonSex, Sex::Male);
        // The stored values give what the whole charts give.
        const PairMatch whole = MatchPair(charts[0], charts[r.Index], Sex::Female, Sex::Male);
        EXPECT_EQ(r.Match.Match.Points.Total, whole.Match.Points.Total);
        EXPECT_EQ(r.Match.Match.Poruthams.Count, whole.Match.Poruthams.Count);
        EXPECT_EQ(r.Match.Lagna, whole.Lagna);
        EXPECT_EQ(r.Match.Chandra, whole.Chandra);
        if (k > 0) {
            const auto& a = ranked[k - 1].Match.Match;
            const auto& b = r.Match.Match;
            EXPECT_TRUE(
                a.Points.Total > b.Points.Total ||
                (a.Points.Total == b.Points.Total && a.Poruthams.Count >= b.Poruthams.Count));
        }
    }
    const auto best3 = Rank(her, all, {std::nullopt, 3, RankOrder::Points});
    ASSERT_EQ(best3.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(best3[k].Index, ranked[k].Index) << "the limit keeps the best";
    }
    const double cut = ranked[5].Match.Match.Points.Total;
    for (const auto& r : Rank(her, all, {cut, std::nullopt, RankOrder::Points})) {
        EXPECT_GE(r.Match.Match.Points.Total, cut);
    }
    const auto byPoruthams = Rank(her, all, {std::nullopt, std::nullopt, RankOrder::Poruthams});
    for (std::size_t k = 1; k < byPoruthams.size(); ++k) {
        const auto& a = byPoruthams[k - 1].Match.Match.Poruthams;
        const auto& b = byPoruthams[k].Match.Match.Poruthams;
        EXPECT_TRUE(a.Count > b.Count || (a.Count == b.Count && a.Score >= b.Score));
    }
    // Without a sex, everyone else is a candidate.
    Candidate unsaid = her;
    unsaid.PersonSex = Sex::NotGiven;
    EXPECT_EQ(Rank(unsaid, all).size(), 27u);
}

} // namespace
} // namespace tirovane::people
