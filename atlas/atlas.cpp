#include "atlas/atlas.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tirovane::atlas {

namespace {

constexpr char Magic[8] = {'T', 'V', 'A', 'T', 'L', 'A', 'S', '1'};

// Reads little-endian fields from the file's bytes, refusing to run past
// the end.
class Reader {
public:
    Reader(const char* data, std::size_t size) : data_(data), size_(size) {}
    bool Has(std::size_t n) const { return size_ - pos_ >= n; }
    std::uint32_t U32() {
        const auto* p = reinterpret_cast<const unsigned char*>(data_ + pos_);
        pos_ += 4;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
               std::uint32_t(p[3]) << 24;
    }
    std::uint16_t U16() {
        const auto* p = reinterpret_cast<const unsigned char*>(data_ + pos_);
        pos_ += 2;
        return std::uint16_t(p[0] | p[1] << 8);
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    char Byte() { return data_[pos_++]; }
    std::size_t Position() const { return pos_; }

private:
    const char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

bool IsNameEnd(char c) {
    return c == '\0' || c == '|';
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Compares the name text at p (ASCII capitals as small letters, ending at
// NUL or '|') with the query: negative when the text sorts before it, zero
// when the text starts with the query, positive otherwise.
int ComparePrefix(const char* p, std::string_view query) {
    for (char q : query) {
        const char c = *p;
        if (IsNameEnd(c)) {
            return -1;
        }
        const auto a = static_cast<unsigned char>(AsciiLower(c));
        const auto b = static_cast<unsigned char>(q);
        if (a != b) {
            return a < b ? -1 : 1;
        }
        ++p;
    }
    return 0;
}

// A name made of ASCII letters and digits in words separated by single
// blanks: the generator lets it stand for its own folded key.
bool IsOwnKey(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.back() == ' ') {
        return false;
    }
    char previous = 'x';
    for (char c : name) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum && !(c == ' ' && previous != ' ')) {
            return false;
        }
        previous = c;
    }
    return true;
}

bool StartsAWord(std::string_view text, std::string_view term) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (text.compare(pos, term.size(), term) == 0) {
            return true;
        }
        const std::size_t blank = text.find(' ', pos);
        if (blank == std::string_view::npos) {
            break;
        }
        pos = blank + 1;
    }
    return false;
}

// The next code point of UTF-8 text and its length; a byte that starts no
// valid sequence stands for itself.
std::pair<std::uint32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) {
        return {b0, 1};
    }
    const std::size_t length = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (length == 0 || pos + length > text.size()) {
        return {b0, 1};
    }
    std::uint32_t cp = b0 & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[pos + k]);
        if ((b & 0xC0) != 0x80) {
            return {b0, 1};
        }
        cp = cp << 6 | (b & 0x3F);
    }
    return {cp, length};
}

} // namespace

std::unique_ptr<Atlas> Atlas::Load(const std::string& path, std::string* error) {
    const auto fail = [&](const std::string& why) {
        if (error != nullptr) {
            *error = why;
        }
        return std::unique_ptr<Atlas>();
    };
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return fail("cannot open the atlas " + path);
    }
    std::unique_ptr<Atlas> atlas(new Atlas());
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::streamoff>(in.tellg());
    if (size < 0) {
        return fail("cannot read the atlas " + path);
    }
    in.seekg(0);
    atlas->bytes_.resize(static_cast<std::size_t>(size));
    if (!in.read(atlas->bytes_.data(), size)) {
        return fail("cannot read the atlas " + path);
    }

    const std::vector<char>& bytes = atlas->bytes_;
    Reader r(bytes.data(), bytes.size());
    if (!r.Has(8 + 7 * 4) || std::memcmp(bytes.data(), Magic, 8) != 0) {
        return fail("not an atlas file: " + path);
    }
    for (int k = 0; k < 8; ++k) {
        r.Byte();
    }
    const std::uint32_t foldCount = r.U32();
    const std::uint32_t zoneCount = r.U32();
    const std::uint32_t countryCount = r.U32();
    const std::uint32_t stateCount = r.U32();
    const std::uint32_t placeCount = r.U32();
    const std::uint32_t indexCount = r.U32();
    const std::uint32_t blobSize = r.U32();
    const std::uint64_t tables = std::uint64_t(foldCount) * 8 + std::uint64_t(zoneCount) * 4 +
                                 std::uint64_t(countryCount) * 12 + std::uint64_t(stateCount) * 8 +
                                 std::uint64_t(placeCount) * 22 + std::uint64_t(indexCount) * 4;
    if (r.Position() + tables + blobSize != bytes.size() || blobSize == 0 || bytes.back() != '\0' ||
        zoneCount == 0 || countryCount == 0) {
        return fail("damaged atlas file: " + path);
    }
    atlas->blob_ = bytes.data() + (bytes.size() - blobSize);
    atlas->blobSize_ = blobSize;
    const auto inBlob = [&](std::uint32_t offset) { return offset < blobSize; };

    bool sound = true;
    atlas->fold_.reserve(foldCount);
    for (std::uint32_t k = 0; k < foldCount; ++k) {
        const std::uint32_t cp = r.U32();
        const std::uint32_t text = r.U32();
        sound = sound && inBlob(text) && (k == 0 || cp > atlas->fold_.back().first);
        atlas->fold_.emplace_back(cp, text);
    }
    atlas->zones_.reserve(zoneCount);
    for (std::uint32_t k = 0; k < zoneCount; ++k) {
        atlas->zones_.push_back(r.U32());
        sound = sound && inBlob(atlas->zones_.back());
    }
    atlas->countries_.reserve(countryCount);
    for (std::uint32_t k = 0; k < countryCount; ++k) {
        CountryRecord c{};
        c.Code[0] = r.Byte();
        c.Code[1] = r.Byte();
        r.U16();
        c.Name = r.U32();
        c.Folded = r.U32();
        sound = sound && inBlob(c.Name) && inBlob(c.Folded);
        atlas->countries_.push_back(c);
    }
    atlas->states_.reserve(stateCount);
    for (std::uint32_t k = 0; k < stateCount; ++k) {
        StateRecord s{};
        s.Name = r.U32();
        s.Folded = r.U32();
        sound = sound && inBlob(s.Name) && inBlob(s.Folded);
        atlas->states_.push_back(s);
    }
    atlas->places_.reserve(placeCount);
    for (std::uint32_t k = 0; k < placeCount; ++k) {
        PlaceRecord p{};
        p.Text = r.U32();
        p.Latitude = r.I32();
        p.Longitude = r.I32();
        p.Population = r.U32();
        p.State = r.U16();
        p.Country = r.U16();
        p.Zone = r.U16();
        sound = sound && inBlob(p.Text) && (k == 0 || p.Text > atlas->places_.back().Text) &&
                (p.State == 0xFFFF || p.State < stateCount) && p.Country < countryCount &&
                p.Zone < zoneCount;
        atlas->places_.push_back(p);
    }
    atlas->index_.resize(indexCount);
    for (std::uint32_t k = 0; k < indexCount; ++k) {
        atlas->index_[k] = r.U32();
        sound = sound && inBlob(atlas->index_[k]) && !atlas->places_.empty() &&
                atlas->index_[k] >= atlas->places_.front().Text;
    }
    if (!sound) {
        return fail("damaged atlas file: " + path);
    }
    return atlas;
}

std::string Atlas::Fold(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    const auto append = [&](std::string_view piece) {
        for (char c : piece) {
            if (c == ' ') {
                blank = !out.empty();
            } else {
                if (blank) {
                    out.push_back(' ');
                    blank = false;
                }
                out.push_back(c);
            }
        }
    };
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [cp, length] = DecodeUtf8(text, pos);
        if (cp < 0x80) {
            const char c = static_cast<char>(cp);
            if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
                append(std::string_view(&c, 1));
            } else if (c >= 'A' && c <= 'Z') {
                const char lower = AsciiLower(c);
                append(std::string_view(&lower, 1));
            } else if (c != '\'' && c != '`') {
                append(" ");
            }
        } else {
            const auto it = std::lower_bound(
                fold_.begin(), fold_.end(), cp,
                [](const auto& entry, std::uint32_t v) { return entry.first < v; });
            if (it != fold_.end() && it->first == cp) {
                append(Text(it->second));
            } else {
                append(text.substr(pos, length));
            }
        }
        pos += length;
    }
    return out;
}

std::uint32_t Atlas::PlaceOfIndexEntry(std::uint32_t offset) const {
    const auto it =
        std::upper_bound(places_.begin(), places_.end(), offset,
                         [](std::uint32_t v, const PlaceRecord& p) { return v < p.Text; });
    return static_cast<std::uint32_t>(std::distance(places_.begin(), it) - 1);
}

bool Atlas::Narrowed(const PlaceRecord& place, const std::vector<std::string>& terms,
                     bool exactRegion) const {
    const CountryRecord& country = countries_[place.Country];
    const auto inCountry = [&](const std::string& term) {
        return StartsAWord(Text(country.Folded), term) ||
               (term.size() == 2 && AsciiLower(country.Code[0]) == term[0] &&
                AsciiLower(country.Code[1]) == term[1]);
    };
    const auto inState = [&](const std::string& term) {
        if (place.State == 0xFFFF) {
            return false;
        }
        const char* state = Text(states_[place.State].Folded);
        return exactRegion ? term == state : StartsAWord(state, term);
    };
    // "Place, region, country": the last part names the country and every
    // other the region, so that a region named as its country ("San
    // Bartolomé, México, Mexico") narrows to that region only.
    if (terms.size() >= 2) {
        for (std::size_t k = 0; k + 1 < terms.size(); ++k) {
            if (!inState(terms[k])) {
                return false;
            }
        }
        return inCountry(terms.back());
    }
    // One part: the region or the country.
    for (const std::string& term : terms) {
        if (!inState(term) && !inCountry(term)) {
            return false;
        }
    }
    return true;
}

bool Atlas::HasWordStartingWith(const PlaceRecord& place, std::string_view query) const {
    // The same words the index holds: those of every key and, when the name
    // is its own first key, those of the name.
    const char* name = Text(place.Text);
    const std::size_t nameLength = std::strlen(name);
    // A damaged file could end with the name: then it has no keys.
    const char* end = blob_ + blobSize_;
    const char* keys = name + nameLength + 1 < end ? name + nameLength + 1 : end - 1;
    const auto wordsMatch = [&](const char* p) {
        bool wordStart = true;
        for (; *p != '\0'; ++p) {
            if (*p == '|') {
                wordStart = true;
                continue;
            }
            if (wordStart && *p != ' ' && ComparePrefix(p, query) == 0) {
                return true;
            }
            wordStart = *p == ' ';
        }
        return false;
    };
    return (IsOwnKey(std::string_view(name, nameLength)) && wordsMatch(name)) || wordsMatch(keys);
}

bool Atlas::IsNamed(const PlaceRecord& place, std::string_view query) const {
    const char* name = Text(place.Text);
    const std::size_t nameLength = std::strlen(name);
    if (Fold(std::string_view(name, nameLength)) == query) {
        return true;
    }
    // Or one of its other names, whole: the keys between the bars.
    const char* end = blob_ + blobSize_;
    const std::string_view keys(name + nameLength + 1 < end ? name + nameLength + 1 : end - 1);
    for (std::size_t start = 0;;) {
        const std::size_t bar = keys.find('|', start);
        if (keys.substr(start, bar == std::string_view::npos ? bar : bar - start) == query) {
            return true;
        }
        if (bar == std::string_view::npos) {
            return false;
        }
        start = bar + 1;
    }
}

Place Atlas::MakePlace(const PlaceRecord& record) const {
    Place place;
    place.Name = Text(record.Text);
    if (record.State != 0xFFFF) {
        place.State = Text(states_[record.State].Name);
    }
    const CountryRecord& country = countries_[record.Country];
    place.Country = Text(country.Name);
    place.CountryCode = std::string(country.Code, 2);
    place.TimeZone = Text(zones_[record.Zone]);
    place.Latitude = record.Latitude / 1e5;
    place.Longitude = record.Longitude / 1e5;
    place.Population = record.Population;
    return place;
}

std::vector<Place> Atlas::Search(std::string_view query, std::size_t limit) const {
    std::vector<Place> found;
    if (limit == 0) {
        return found;
    }
    const std::size_t comma = query.find(',');
    const std::string name = Fold(query.substr(0, comma));
    if (name.empty()) {
        return found;
    }
    std::vector<std::string> terms;
    for (std::size_t pos = comma; pos != std::string_view::npos;) {
        const std::size_t next = query.find(',', pos + 1);
        std::string term = Fold(query.substr(
            pos + 1, next == std::string_view::npos ? std::string_view::npos : next - pos - 1));
        if (!term.empty()) {
            terms.push_back(std::move(term));
        }
        pos = next;
    }

    const auto first = std::partition_point(index_.begin(), index_.end(), [&](std::uint32_t e) {
        return ComparePrefix(Text(e), name) < 0;
    });
    const auto last = std::partition_point(
        first, index_.end(), [&](std::uint32_t e) { return ComparePrefix(Text(e), name) == 0; });
    // A short prefix starts words of tens of thousands of places: going
    // through the places from the most populous finds the first few sooner
    // than collecting and ranking all of them.
    // A place named exactly so ranks above the places whose names only
    // start so, however populous ("Barhi" before "Barhiya").
    if (terms.empty() && std::distance(first, last) > 2000) {
        std::vector<std::uint32_t> named;
        for (auto it = first; it != last; ++it) {
            const char after = Text(*it)[name.size()];
            const std::uint32_t k = PlaceOfIndexEntry(*it);
            if ((after == '\0' || after == ' ' || after == '|') && IsNamed(places_[k], name)) {
                named.push_back(k);
            }
        }
        std::sort(named.begin(), named.end());
        named.erase(std::unique(named.begin(), named.end()), named.end());
        for (std::uint32_t k : named) {
            if (found.size() < limit) {
                found.push_back(MakePlace(places_[k]));
            }
        }
        for (std::uint32_t k = 0; k < places_.size() && found.size() < limit; ++k) {
            if (HasWordStartingWith(places_[k], name) &&
                !std::binary_search(named.begin(), named.end(), k)) {
                found.push_back(MakePlace(places_[k]));
            }
        }
        return found;
    }
    std::vector<std::uint32_t> matches;
    matches.reserve(static_cast<std::size_t>(std::distance(first, last)));
    for (auto it = first; it != last; ++it) {
        matches.push_back(PlaceOfIndexEntry(*it));
    }
    // Places are stored most populous first: the smallest numbers rank best.
    std::sort(matches.begin(), matches.end());
    matches.erase(std::unique(matches.begin(), matches.end()), matches.end());
    std::stable_partition(matches.begin(), matches.end(),
                          [&](std::uint32_t k) { return IsNamed(places_[k], name); });
    // A region named whole narrows to itself ("México" is not "Mexico
    // City"); only when no region is named so do its first letters do.
    for (const bool exact : {true, false}) {
        if (exact && terms.size() < 2) {
            continue;
        }
        for (std::uint32_t k : matches) {
            if (Narrowed(places_[k], terms, exact)) {
                found.push_back(MakePlace(places_[k]));
                if (found.size() == limit) {
                    break;
                }
            }
        }
        if (!found.empty()) {
            break;
        }
    }
    return found;
}

std::string FindAtlasFile(const std::string& programDir) {
    std::vector<std::string> candidates = {
        programDir + "/places.atlas",
        programDir + "/../lib/tirovane/places.atlas",
        programDir + "/../share/tirovane/places.atlas",
    };
#ifdef TIROVANE_ATLAS_SOURCE_FILE
    candidates.emplace_back(TIROVANE_ATLAS_SOURCE_FILE);
#endif
    for (const std::string& path : candidates) {
        if (std::ifstream(path, std::ios::binary)) {
            return path;
        }
    }
    return candidates.front();
}

const Atlas* LazyAtlas::Get() {
    std::call_once(once_, [this] {
        atlas_ = Atlas::Load(path_, &error_);
        tried_ = true;
    });
    return atlas_.get();
}

} // namespace tirovane::atlas
