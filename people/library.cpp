#include "people/library.h"

#include "reading/birth_instant.h"
#include "reading/calculation.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <sqlite3.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unordered_map>

namespace tirovane::people {

namespace {

// "Tiro" in the file header: a library is a SQLite file with this id.
constexpr int ApplicationId = 0x5469726f;
// The engine the chart values were made with: a new number makes every
// person's values again.
constexpr int ChartValuesEngine = 1;

// One prepared statement, its values bound as parameters.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
            stmt_ = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return stmt_ != nullptr; }
    Statement& Bind(int k, std::int64_t v) {
        sqlite3_bind_int64(stmt_, k, v);
        return *this;
    }
    Statement& Bind(int k, int v) {
        sqlite3_bind_int(stmt_, k, v);
        return *this;
    }
    Statement& Bind(int k, double v) {
        sqlite3_bind_double(stmt_, k, v);
        return *this;
    }
    Statement& Bind(int k, const std::string& v) {
        sqlite3_bind_text(stmt_, k, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step() { return stmt_ == nullptr ? SQLITE_ERROR : sqlite3_step(stmt_); }
    void Reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    int Int(int c) const { return sqlite3_column_int(stmt_, c); }
    std::int64_t Int64(int c) const { return sqlite3_column_int64(stmt_, c); }
    double Real(int c) const { return sqlite3_column_double(stmt_, c); }
    std::string Text(int c) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, c));
        return text == nullptr
                   ? std::string()
                   : std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, c)));
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

Error ErrorOf(sqlite3* db, int code) {
    const int primary = code & 0xff;
    Error error;
    error.Detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    switch (primary) {
    case SQLITE_NOTADB:
        error.Kind = Problem::NotALibrary;
        break;
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        error.Kind = Problem::ReadOnly;
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        error.Kind = Problem::Busy;
        break;
    default:
        error.Kind = Problem::Failed;
    }
    return error;
}

int Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

int PragmaInt(sqlite3* db, const char* sql, int& value) {
    Statement s(db, sql);
    const int rc = s.Step();
    if (rc == SQLITE_ROW) {
        value = s.Int(0);
        return SQLITE_OK;
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// The schema, one step per version: step k takes a library of version k
// to version k + 1.
const char* const Migrations[] = {
    // 1: the people and their birth details.
    "CREATE TABLE people ("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,"
    " hour INTEGER NOT NULL, minute INTEGER NOT NULL,"
    " zone_row INTEGER NOT NULL, daylight_saving INTEGER NOT NULL,"
    " latitude_degrees INTEGER NOT NULL, latitude_minutes INTEGER NOT NULL,"
    " south INTEGER NOT NULL,"
    " longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL,"
    " east INTEGER NOT NULL,"
    " city TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,"
    " sex INTEGER NOT NULL,"
    " notes TEXT NOT NULL DEFAULT '',"
    " added TEXT NOT NULL, changed TEXT NOT NULL);",
    // 2: the place's IANA zone, the folded text a search compares, one
    // person per name and birth, and the chart values ranking needs.
    "ALTER TABLE people ADD COLUMN zone TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE people ADD COLUMN search TEXT NOT NULL DEFAULT '';"
    "CREATE UNIQUE INDEX people_birth ON people (name, year, month, day, hour, minute,"
    " zone_row, daylight_saving, latitude_degrees, latitude_minutes, south,"
    " longitude_degrees, longitude_minutes, east, city, state, country);"
    "CREATE TABLE chart_values ("
    " person INTEGER PRIMARY KEY REFERENCES people (id) ON DELETE CASCADE,"
    " engine INTEGER NOT NULL, moon REAL NOT NULL,"
    " lagna INTEGER NOT NULL, rashi INTEGER NOT NULL);",
};
static_assert(std::size(Migrations) == SchemaVersion);

std::string SearchTextOf(const BirthDetails& d) {
    return SearchFold(d.Name) + '\n' + SearchFold(d.City + ", " + d.State + ", " + d.Country);
}

// The columns of a person, in the order SELECT lists them (a version-1
// library, read without being migrated, has no zone yet).
std::string PersonColumns(int version) {
    return std::string("id, name, year, month, day, hour, minute, zone_row, daylight_saving,"
                       " latitude_degrees, latitude_minutes, south, longitude_degrees,"
                       " longitude_minutes, east, city, state, country, sex, ") +
           (version >= 2 ? "zone" : "''") + ", notes, added, changed";
}

// The birth details of a row of the person columns.
BirthDetails DetailsOfRow(const Statement& s) {
    BirthDetails d;
    d.Name = s.Text(1);
    d.Year = s.Int(2);
    d.Month = s.Int(3);
    d.Day = s.Int(4);
    d.Hour = s.Int(5);
    d.Minute = s.Int(6);
    d.ZoneRow = s.Int(7);
    d.DaylightSaving = s.Int(8) != 0;
    d.LatitudeDegrees = s.Int(9);
    d.LatitudeMinutes = s.Int(10);
    d.South = s.Int(11) != 0;
    d.LongitudeDegrees = s.Int(12);
    d.LongitudeMinutes = s.Int(13);
    d.East = s.Int(14) != 0;
    d.City = s.Text(15);
    d.State = s.Text(16);
    d.Country = s.Text(17);
    const int sex = s.Int(18);
    d.PersonSex = sex == 1 ? Sex::Male : sex == 2 ? Sex::Female : Sex::NotGiven;
    return d;
}

Person PersonOfRow(const Statement& s) {
    Person p;
    p.Id = s.Int64(0);
    p.Details = DetailsOfRow(s);
    p.Zone = s.Text(19);
    p.Notes = s.Text(20);
    p.Added = s.Text(21);
    p.Changed = s.Text(22);
    return p;
}

// Binds the birth columns 1 .. 17 (name to country) and the sex as 18.
void BindBirth(Statement& s, const BirthDetails& d) {
    s.Bind(1, d.Name)
        .Bind(2, d.Year)
        .Bind(3, d.Month)
        .Bind(4, d.Day)
        .Bind(5, d.Hour)
        .Bind(6, d.Minute)
        .Bind(7, d.ZoneRow)
        .Bind(8, d.DaylightSaving ? 1 : 0)
        .Bind(9, d.LatitudeDegrees)
        .Bind(10, d.LatitudeMinutes)
        .Bind(11, d.South ? 1 : 0)
        .Bind(12, d.LongitudeDegrees)
        .Bind(13, d.LongitudeMinutes)
        .Bind(14, d.East ? 1 : 0)
        .Bind(15, d.City)
        .Bind(16, d.State)
        .Bind(17, d.Country)
        .Bind(18, static_cast<int>(d.PersonSex));
}

constexpr const char* BirthMatch =
    "name = ?1 AND year = ?2 AND month = ?3 AND day = ?4 AND hour = ?5 AND minute = ?6 AND"
    " zone_row = ?7 AND daylight_saving = ?8 AND latitude_degrees = ?9 AND"
    " latitude_minutes = ?10 AND south = ?11 AND longitude_degrees = ?12 AND"
    " longitude_minutes = ?13 AND east = ?14 AND city = ?15 AND state = ?16 AND country = ?17";

// Runs `body` in one transaction: committed when it returns nothing,
// rolled back on an error.
std::optional<Error> InTransaction(sqlite3* db, const std::function<std::optional<Error>()>& body) {
    if (const int rc = Exec(db, "BEGIN IMMEDIATE"); rc != SQLITE_OK) {
        return ErrorOf(db, rc);
    }
    if (auto error = body()) {
        Exec(db, "ROLLBACK");
        return error;
    }
    if (const int rc = Exec(db, "COMMIT"); rc != SQLITE_OK) {
        Error error = ErrorOf(db, rc);
        Exec(db, "ROLLBACK");
        return error;
    }
    return std::nullopt;
}

std::optional<Error> StoreValues(sqlite3* db, std::int64_t id, const ChartValues& v) {
    Statement s(db, "INSERT OR REPLACE INTO chart_values (person, engine, moon, lagna, rashi)"
                    " VALUES (?1, ?2, ?3, ?4, ?5)");
    s.Bind(1, id)
        .Bind(2, ChartValuesEngine)
        .Bind(3, v.Moon)
        .Bind(4, static_cast<int>(v.Lagna))
        .Bind(5, static_cast<int>(v.Rashi));
    const int rc = s.Step();
    return rc == SQLITE_DONE ? std::nullopt : std::optional<Error>(ErrorOf(db, rc));
}

std::optional<Error> Migrate(sqlite3* db, int from) {
    return InTransaction(db, [&]() -> std::optional<Error> {
        for (int v = from; v < SchemaVersion; ++v) {
            if (const int rc = Exec(db, Migrations[v]); rc != SQLITE_OK) {
                return ErrorOf(db, rc);
            }
        }
        // The texts a search compares, for people a version-1 library holds.
        if (from < 2) {
            Statement read(db, "SELECT name, city, state, country, id FROM people");
            Statement write(db, "UPDATE people SET search = ?1 WHERE id = ?2");
            while (read.Step() == SQLITE_ROW) {
                BirthDetails d;
                d.Name = read.Text(0);
                d.City = read.Text(1);
                d.State = read.Text(2);
                d.Country = read.Text(3);
                write.Bind(1, SearchTextOf(d)).Bind(2, read.Int64(4));
                if (const int rc = write.Step(); rc != SQLITE_DONE) {
                    return ErrorOf(db, rc);
                }
                write.Reset();
            }
        }
        char pragma[64];
        std::snprintf(pragma, sizeof pragma, "PRAGMA user_version = %d", SchemaVersion);
        if (const int rc = Exec(db, pragma); rc != SQLITE_OK) {
            return ErrorOf(db, rc);
        }
        std::snprintf(pragma, sizeof pragma, "PRAGMA application_id = %d", ApplicationId);
        if (const int rc = Exec(db, pragma); rc != SQLITE_OK) {
            return ErrorOf(db, rc);
        }
        return std::nullopt;
    });
}

} // namespace

ChartValues ChartValuesOf(const BirthDetails& details) {
    const PersonChart chart = CalculateChart(MakeEngineInput(details));
    return {chart.Sidereal.Longitudes[engine::Moon], manglik::VerdictOf(chart.LagnaChart),
            manglik::VerdictOf(chart.RashiChart)};
}

std::string SearchFold(const std::string& utf8) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status)) {
        return utf8;
    }
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
    text.foldCase();
    icu::UnicodeString decomposed = nfd->normalize(text, status);
    if (U_FAILURE(status)) {
        return utf8;
    }
    // Only the accents of the Latin, Greek and Cyrillic letters (the
    // combining diacritical marks) go: the vowel signs and viramas of the
    // Indian scripts are letters' parts a reader never leaves out.
    icu::UnicodeString kept;
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        if (c < 0x300 || c > 0x36F) {
            kept.append(c);
        }
        i += U16_LENGTH(c);
    }
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_SUCCESS(status)) {
        kept = nfc->normalize(kept, status);
    }
    std::string out;
    kept.toUTF8String(out);
    return out;
}

std::string NowUtc() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::variant<std::unique_ptr<Library>, Error> Library::Open(const std::string& path,
                                                            OpenMode mode) {
    const bool change = mode == OpenMode::Change;
    sqlite3* db = nullptr;
    const int flags = change ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        Error error = ErrorOf(db, rc);
        if (!change && (rc & 0xff) == SQLITE_CANTOPEN) {
            error.Kind = Problem::Missing;
        }
        sqlite3_close(db);
        return error;
    }
    const auto fail = [&](int code) {
        Error error = ErrorOf(db, code);
        sqlite3_close(db);
        return error;
    };
    sqlite3_busy_timeout(db, 3000);
    sqlite3_extended_result_codes(db, 1);
    int application = 0;
    int version = 0;
    if ((rc = PragmaInt(db, "PRAGMA application_id", application)) != SQLITE_OK ||
        (rc = PragmaInt(db, "PRAGMA user_version", version)) != SQLITE_OK) {
        return fail(rc);
    }
    // A SQLite file of another program: neither read nor touched.
    int tables = 0;
    if ((rc = PragmaInt(db, "SELECT count(*) FROM sqlite_master", tables)) != SQLITE_OK) {
        return fail(rc);
    }
    if (application != ApplicationId && (tables > 0 || version > 0)) {
        sqlite3_close(db);
        return Error{Problem::NotALibrary, {}};
    }
    if (version > SchemaVersion) {
        sqlite3_close(db);
        return Error{Problem::Newer, {}};
    }
    Exec(db, "PRAGMA foreign_keys = ON");
    if (change) {
        // A file that cannot be written is told now, not at the first change.
        if (sqlite3_db_readonly(db, "main") == 1) {
            sqlite3_close(db);
            return Error{Problem::ReadOnly, {}};
        }
        if ((rc = Exec(db, "PRAGMA journal_mode = WAL")) != SQLITE_OK) {
            return fail(rc);
        }
        if (version < SchemaVersion) {
            if (auto error = Migrate(db, version)) {
                sqlite3_close(db);
                return *error;
            }
            version = SchemaVersion;
        }
    } else if (version == 0) {
        // An empty file opened for reading: an empty library.
        return std::unique_ptr<Library>(new Library(db, false, 0));
    }
    return std::unique_ptr<Library>(new Library(db, change, version));
}

Library::Library(sqlite3* db, bool writable, int version)
    : db_(db), writable_(writable), version_(version) {}

Library::~Library() {
    sqlite3_close(db_);
}

std::variant<std::vector<Person>, Error> Library::List(const std::string& search) const {
    std::vector<Person> people;
    if (version_ == 0) {
        return people;
    }
    std::string sql = "SELECT " + PersonColumns(version_) + " FROM people";
    std::string pattern;
    // A version-1 library read without being changed has no search texts:
    // its people are folded and compared here.
    const bool folded = version_ >= 2;
    const bool searching = !search.empty() && folded;
    if (searching) {
        sql += " WHERE search LIKE ?1 ESCAPE '\\'";
        pattern = "%";
        for (const char c : SearchFold(search)) {
            if (c == '%' || c == '_' || c == '\\') {
                pattern += '\\';
            }
            pattern += c;
        }
        pattern += '%';
    }
    sql += " ORDER BY id";
    Statement s(db_, sql.c_str());
    if (searching) {
        s.Bind(1, pattern);
    }
    int rc;
    const std::string wanted = SearchFold(search);
    while ((rc = s.Step()) == SQLITE_ROW) {
        Person person = PersonOfRow(s);
        if (!folded && !search.empty() &&
            SearchTextOf(person.Details).find(wanted) == std::string::npos) {
            continue;
        }
        people.push_back(std::move(person));
    }
    if (rc != SQLITE_DONE) {
        return ErrorOf(db_, rc);
    }
    return people;
}

std::variant<Person, Error> Library::Get(std::int64_t id) const {
    if (version_ == 0) {
        return Error{Problem::NoSuchPerson, {}};
    }
    Statement s(db_, ("SELECT " + PersonColumns(version_) + " FROM people WHERE id = ?1").c_str());
    s.Bind(1, id);
    const int rc = s.Step();
    if (rc == SQLITE_ROW) {
        return PersonOfRow(s);
    }
    return rc == SQLITE_DONE ? Error{Problem::NoSuchPerson, {}} : ErrorOf(db_, rc);
}

std::variant<std::vector<Library::Added>, Error>
Library::Add(const std::vector<Person>& people, const std::string& now, const Progress& progress) {
    std::vector<Added> added;
    added.reserve(people.size());
    bool cancelled = false;
    auto error = InTransaction(db_, [&]() -> std::optional<Error> {
        Statement find(db_, (std::string("SELECT id FROM people WHERE ") + BirthMatch).c_str());
        Statement insert(db_,
                         "INSERT INTO people (name, year, month, day, hour, minute, zone_row,"
                         " daylight_saving, latitude_degrees, latitude_minutes, south,"
                         " longitude_degrees, longitude_minutes, east, city, state, country, sex,"
                         " zone, notes, added, changed, search)"
                         " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14,"
                         " ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?21, ?22)");
        if (!find.Ok() || !insert.Ok()) {
            return ErrorOf(db_, sqlite3_errcode(db_));
        }
        for (std::size_t k = 0; k < people.size(); ++k) {
            const Person& person = people[k];
            find.Reset();
            BindBirth(find, person.Details);
            if (find.Step() == SQLITE_ROW) {
                added.push_back({find.Int64(0), false});
            } else {
                insert.Reset();
                BindBirth(insert, person.Details);
                insert.Bind(19, person.Zone)
                    .Bind(20, person.Notes)
                    .Bind(21, now)
                    .Bind(22, SearchTextOf(person.Details));
                if (const int rc = insert.Step(); rc != SQLITE_DONE) {
                    return ErrorOf(db_, rc);
                }
                const std::int64_t id = sqlite3_last_insert_rowid(db_);
                if (auto stored = StoreValues(db_, id, ChartValuesOf(person.Details))) {
                    return stored;
                }
                added.push_back({id, true});
            }
            if (progress && !progress(k + 1, people.size())) {
                cancelled = true;
                return Error{Problem::Failed, "cancelled"};
            }
        }
        return std::nullopt;
    });
    if (cancelled) {
        return std::vector<Added>{};
    }
    if (error) {
        return *error;
    }
    return added;
}

std::optional<Error> Library::Update(const Person& person, const std::string& now) {
    return InTransaction(db_, [&]() -> std::optional<Error> {
        Statement update(db_, "UPDATE people SET name = ?1, year = ?2, month = ?3, day = ?4,"
                              " hour = ?5, minute = ?6, zone_row = ?7, daylight_saving = ?8,"
                              " latitude_degrees = ?9, latitude_minutes = ?10, south = ?11,"
                              " longitude_degrees = ?12, longitude_minutes = ?13, east = ?14,"
                              " city = ?15, state = ?16, country = ?17, sex = ?18, zone = ?19,"
                              " notes = ?20, changed = ?21, search = ?22 WHERE id = ?23");
        BindBirth(update, person.Details);
        update.Bind(19, person.Zone)
            .Bind(20, person.Notes)
            .Bind(21, now)
            .Bind(22, SearchTextOf(person.Details))
            .Bind(23, person.Id);
        if (const int rc = update.Step(); rc != SQLITE_DONE) {
            return ErrorOf(db_, rc);
        }
        if (sqlite3_changes(db_) == 0) {
            return Error{Problem::NoSuchPerson, {}};
        }
        return StoreValues(db_, person.Id, ChartValuesOf(person.Details));
    });
}

std::optional<Error> Library::Remove(std::int64_t id) {
    return InTransaction(db_, [&]() -> std::optional<Error> {
        Statement remove(db_, "DELETE FROM people WHERE id = ?1");
        remove.Bind(1, id);
        if (const int rc = remove.Step(); rc != SQLITE_DONE) {
            return ErrorOf(db_, rc);
        }
        if (sqlite3_changes(db_) == 0) {
            return Error{Problem::NoSuchPerson, {}};
        }
        return std::nullopt;
    });
}

std::variant<std::vector<Candidate>, Error> Library::Candidates(std::vector<BirthDetails>* details) {
    std::vector<Candidate> all;
    if (details != nullptr) {
        details->clear();
    }
    if (version_ == 0) {
        return all;
    }
    // Values of another engine (or none, in a version-1 library) are made
    // again from the details.
    const bool hasValues = version_ >= 2;
    const std::string sql =
        "SELECT " + PersonColumns(version_) +
        (hasValues ? ", v.engine, v.moon, v.lagna, v.rashi FROM people"
                     " LEFT JOIN chart_values v ON v.person = people.id ORDER BY id"
                   : " FROM people ORDER BY id");
    // Room for everyone at once: a library of many people is not moved from
    // one allocation to the next as it is read.
    int count = 0;
    if (PragmaInt(db_, "SELECT count(*) FROM people", count) == SQLITE_OK && count > 0) {
        all.reserve(static_cast<std::size_t>(count));
        if (details != nullptr) {
            details->reserve(static_cast<std::size_t>(count));
        }
    }
    Statement s(db_, sql.c_str());
    std::vector<std::size_t> stale;
    int rc;
    while ((rc = s.Step()) == SQLITE_ROW) {
        Candidate c;
        c.Id = s.Int64(0);
        c.Name = s.Text(1);
        const int sex = s.Int(18);
        c.PersonSex = sex == 1 ? Sex::Male : sex == 2 ? Sex::Female : Sex::NotGiven;
        const bool fresh = hasValues && s.Int(23) == ChartValuesEngine;
        if (fresh) {
            c.Values.Moon = s.Real(24);
            c.Values.Lagna = static_cast<manglik::Verdict>(s.Int(25));
            c.Values.Rashi = static_cast<manglik::Verdict>(s.Int(26));
        }
        if (!fresh || details != nullptr) {
            BirthDetails birth = DetailsOfRow(s);
            if (!fresh) {
                c.Values = ChartValuesOf(birth);
                stale.push_back(all.size());
            }
            if (details != nullptr) {
                details->push_back(std::move(birth));
            }
        }
        all.push_back(std::move(c));
    }
    if (rc != SQLITE_DONE) {
        return ErrorOf(db_, rc);
    }
    if (!stale.empty() && writable_) {
        if (auto error = InTransaction(db_, [&]() -> std::optional<Error> {
                for (const std::size_t k : stale) {
                    if (auto stored = StoreValues(db_, all[k].Id, all[k].Values)) {
                        return stored;
                    }
                }
                return std::nullopt;
            })) {
            return *error;
        }
    }
    return all;
}

} // namespace tirovane::people
