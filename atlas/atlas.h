#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The offline atlas of populated places: name, first-level region, country,
// coordinates, population and IANA time zone, searched by the start of any
// word of a place's name or of one of its other names.

namespace tirovane::atlas {

struct Place {
    std::string Name;
    std::string State; // empty when the data names no region
    std::string Country;
    std::string CountryCode; // ISO 3166-1 alpha-2
    std::string TimeZone;    // IANA name, e.g. "Asia/Kolkata"
    double Latitude = 0;     // degrees, north positive
    double Longitude = 0;    // degrees, east positive
    std::int64_t Population = 0;
};

class Atlas {
public:
    // Reads the data file written by the atlas generator. Nothing, with the
    // reason in *error, when the file is missing or not an atlas.
    static std::unique_ptr<Atlas> Load(const std::string& path, std::string* error = nullptr);

    // Places whose name or other name has a word starting with the query's
    // text, those named exactly so first, then most populous first, at most
    // limit of them. Case and accents are ignored. Text after a comma
    // narrows the search: one part must start a word of the place's region
    // or country, or be its country code ("San Jose, Costa Rica",
    // "Springfield, Illinois"); of two or more, the last names the country
    // and the others the region ("San Bartolomé, México, Mexico").
    std::vector<Place> Search(std::string_view query, std::size_t limit) const;

    // The text as the search compares it: small letters without accents,
    // words separated by single blanks.
    std::string Fold(std::string_view text) const;

    std::size_t PlaceCount() const { return places_.size(); }
    // The place at an index below PlaceCount(), in the file's order (for
    // going through every place).
    Place PlaceAt(std::size_t index) const { return MakePlace(places_.at(index)); }

private:
    struct PlaceRecord {
        std::uint32_t Text;
        std::int32_t Latitude;
        std::int32_t Longitude;
        std::uint32_t Population;
        std::uint16_t State;
        std::uint16_t Country;
        std::uint16_t Zone;
    };
    struct CountryRecord {
        char Code[3];
        std::uint32_t Name;
        std::uint32_t Folded;
    };
    struct StateRecord {
        std::uint32_t Name;
        std::uint32_t Folded;
    };

    Atlas() = default;
    const char* Text(std::uint32_t offset) const { return blob_ + offset; }
    std::uint32_t PlaceOfIndexEntry(std::uint32_t offset) const;
    // Whether the place's name or one of its other names is the folded
    // query, whole.
    bool IsNamed(const PlaceRecord& place, std::string_view query) const;
    bool HasWordStartingWith(const PlaceRecord& place, std::string_view query) const;
    // Whether the place lies in the region and country the terms name; with
    // `exactRegion` the region's whole name must be given.
    bool Narrowed(const PlaceRecord& place, const std::vector<std::string>& terms,
                  bool exactRegion) const;
    Place MakePlace(const PlaceRecord& record) const;

    std::vector<char> bytes_;
    const char* blob_ = nullptr;
    std::size_t blobSize_ = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> fold_; // code point, folded text
    std::vector<std::uint32_t> zones_;
    std::vector<CountryRecord> countries_;
    std::vector<StateRecord> states_;
    std::vector<PlaceRecord> places_;
    std::vector<std::uint32_t> index_;
};

// Where the data file lies: beside the program, in the installed tree's
// library or data folder, or in the source tree of a build.
std::string FindAtlasFile(const std::string& programDir);

// The atlas read on first use and kept: nothing is read before a search
// needs it. Safe to call from several threads.
class LazyAtlas {
public:
    explicit LazyAtlas(std::string path) : path_(std::move(path)) {}
    // The atlas, or null when it cannot be read (Error() then says why).
    const Atlas* Get();
    const std::string& Error() const { return error_; }
    bool Loaded() const { return tried_; }

private:
    std::string path_;
    std::once_flag once_;
    std::unique_ptr<Atlas> atlas_;
    std::string error_;
    std::atomic<bool> tried_ = false;
};

} // namespace tirovane::atlas
