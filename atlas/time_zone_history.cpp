#include "atlas/time_zone_history.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace tirovane::atlas {

std::int64_t DaysFromCivil(int year, int month, int day) {
    // Days from 1970-01-01 in the proleptic Gregorian calendar, counted in
    // 400-year eras that start on 1 March.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

namespace {

bool IsLeap(std::int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(std::int64_t y, int m) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : Days[m - 1];
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

int CivilYear(std::int64_t days) {
    // Inverse of DaysFromCivil, year only.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    return static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

class BigEndian {
public:
    explicit BigEndian(const std::string& data) : data_(data) {}
    bool Has(std::size_t n) const { return data_.size() - pos_ >= n; }
    std::int64_t Signed(int bytes) {
        std::uint64_t v = 0;
        for (int k = 0; k < bytes; ++k) {
            v = v << 8 | static_cast<unsigned char>(data_[pos_++]);
        }
        if (bytes < 8 && (v >> (bytes * 8 - 1)) != 0) {
            v |= ~std::uint64_t(0) << (bytes * 8);
        }
        return static_cast<std::int64_t>(v);
    }
    std::uint32_t Count() { return static_cast<std::uint32_t>(Signed(4) & 0xFFFFFFFF); }
    void Skip(std::size_t n) { pos_ += n; }
    std::size_t Position() const { return pos_; }

private:
    const std::string& data_;
    std::size_t pos_ = 0;
};

struct Header {
    char Version = 0;
    std::uint32_t IsUt = 0, IsStd = 0, Leap = 0, Time = 0, Type = 0, Char = 0;
};

bool ReadHeader(BigEndian& in, const std::string& data, Header& h) {
    const std::size_t at = in.Position();
    if (!in.Has(44) || data.compare(at, 4, "TZif") != 0) {
        return false;
    }
    h.Version = data[at + 4];
    in.Skip(20);
    h.IsUt = in.Count();
    h.IsStd = in.Count();
    h.Leap = in.Count();
    h.Time = in.Count();
    h.Type = in.Count();
    h.Char = in.Count();
    return h.Type > 0 && h.Time < 1'000'000 && h.Type < 256 && h.Char < 65536 && h.Leap < 65536 &&
           (h.IsUt == 0 || h.IsUt == h.Type) && (h.IsStd == 0 || h.IsStd == h.Type);
}

std::uint64_t BlockSize(const Header& h, int timeBytes) {
    return std::uint64_t(h.Time) * (timeBytes + 1) + std::uint64_t(h.Type) * 6 + h.Char +
           std::uint64_t(h.Leap) * (timeBytes + 4) + h.IsStd + h.IsUt;
}

} // namespace

// A POSIX TZ rule such as "EST5EDT,M3.2.0,M11.1.0" or "IST-5:30".
struct TimeZoneHistory::Rule {
    struct When {
        char Kind = 'M'; // 'J' (1..365, no 29 Feb), 'D' (0..365), 'M' (month.week.weekday)
        int Day = 0, Month = 0, Week = 0, Weekday = 0;
        int Seconds = 7200;
    };
    std::string StdName, DstName;
    int StdOffset = 0; // east positive
    int DstOffset = 0;
    bool HasDst = false;
    When Start, End;

    static std::optional<Rule> Parse(const std::string& text);
    // Local seconds since 1970 (wall clock) at which the change happens in year y.
    static std::int64_t LocalAt(const When& w, int year);
};

namespace {

class TzText {
public:
    explicit TzText(const std::string& t) : t_(t) {}
    bool End() const { return pos_ >= t_.size(); }
    char Peek() const { return End() ? '\0' : t_[pos_]; }
    bool Eat(char c) {
        if (Peek() == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Name(std::string& out) {
        if (Eat('<')) {
            const std::size_t close = t_.find('>', pos_);
            if (close == std::string::npos) {
                return false;
            }
            out = t_.substr(pos_, close - pos_);
            pos_ = close + 1;
            return !out.empty();
        }
        const std::size_t start = pos_;
        while (!End() && std::isalpha(static_cast<unsigned char>(Peek()))) {
            ++pos_;
        }
        out = t_.substr(start, pos_ - start);
        return out.size() >= 3;
    }
    bool Number(int& out, int maxDigits = 3) {
        int digits = 0;
        out = 0;
        while (!End() && std::isdigit(static_cast<unsigned char>(Peek())) && digits < maxDigits) {
            out = out * 10 + (t_[pos_++] - '0');
            ++digits;
        }
        return digits > 0;
    }
    // [+-]hh[:mm[:ss]] in seconds.
    bool Clock(int& seconds) {
        int sign = 1;
        if (Eat('-')) {
            sign = -1;
        } else {
            Eat('+');
        }
        int h = 0, m = 0, s = 0;
        if (!Number(h)) {
            return false;
        }
        if (Eat(':') && (!Number(m, 2) || (Eat(':') && !Number(s, 2)))) {
            return false;
        }
        seconds = sign * (h * 3600 + m * 60 + s);
        return true;
    }

private:
    const std::string& t_;
    std::size_t pos_ = 0;
};

bool ParseWhen(TzText& in, TimeZoneHistory::Rule::When& w) {
    if (in.Eat('M')) {
        w.Kind = 'M';
        if (!in.Number(w.Month, 2) || !in.Eat('.') || !in.Number(w.Week, 1) || !in.Eat('.') ||
            !in.Number(w.Weekday, 1) || w.Month < 1 || w.Month > 12 || w.Week < 1 || w.Week > 5 ||
            w.Weekday > 6) {
            return false;
        }
    } else if (in.Eat('J')) {
        w.Kind = 'J';
        if (!in.Number(w.Day) || w.Day < 1 || w.Day > 365) {
            return false;
        }
    } else {
        w.Kind = 'D';
        if (!in.Number(w.Day) || w.Day > 365) {
            return false;
        }
    }
    w.Seconds = 7200;
    if (in.Eat('/')) {
        return in.Clock(w.Seconds);
    }
    return true;
}

} // namespace

std::optional<TimeZoneHistory::Rule> TimeZoneHistory::Rule::Parse(const std::string& text) {
    Rule r;
    TzText in(text);
    int west = 0;
    if (!in.Name(r.StdName) || !in.Clock(west)) {
        return std::nullopt;
    }
    r.StdOffset = -west;
    if (in.End()) {
        r.DstOffset = r.StdOffset;
        return r;
    }
    r.HasDst = true;
    if (!in.Name(r.DstName)) {
        return std::nullopt;
    }
    r.DstOffset = r.StdOffset + 3600;
    if (in.Peek() != ',' && !in.End()) {
        if (!in.Clock(west)) {
            return std::nullopt;
        }
        r.DstOffset = -west;
    }
    if (in.End()) {
        // No rule given: the United States' rule is the POSIX default.
        r.Start = When{'M', 0, 3, 2, 0, 7200};
        r.End = When{'M', 0, 11, 1, 0, 7200};
        return r;
    }
    if (!in.Eat(',') || !ParseWhen(in, r.Start) || !in.Eat(',') || !ParseWhen(in, r.End) ||
        !in.End()) {
        return std::nullopt;
    }
    return r;
}

std::int64_t TimeZoneHistory::Rule::LocalAt(const When& w, int year) {
    std::int64_t day = 0;
    switch (w.Kind) {
    case 'J':
        day = DaysFromCivil(year, 1, 1) + w.Day - 1 + (IsLeap(year) && w.Day >= 60 ? 1 : 0);
        break;
    case 'D':
        day = DaysFromCivil(year, 1, 1) + w.Day;
        break;
    default: {
        const std::int64_t first = DaysFromCivil(year, w.Month, 1);
        const int weekdayOfFirst = static_cast<int>(((first % 7) + 7 + 4) % 7); // 1970-01-01: Thu
        int dom = 1 + (w.Weekday - weekdayOfFirst + 7) % 7 + (w.Week - 1) * 7;
        while (dom > DaysInMonth(year, w.Month)) {
            dom -= 7;
        }
        day = first + dom - 1;
        break;
    }
    }
    return day * 86400 + w.Seconds;
}

TimeZoneHistory::~TimeZoneHistory() = default;

std::string TimeZoneHistory::DefaultDir() {
    return "/usr/share/zoneinfo";
}

std::unique_ptr<TimeZoneHistory>
TimeZoneHistory::Load(const std::string& name, const std::string& zoneinfoDir, std::string* error) {
    const auto fail = [&](const std::string& why) {
        if (error != nullptr) {
            *error = why;
        }
        return std::unique_ptr<TimeZoneHistory>();
    };
    // A zone name is letters, digits and "/_-+"; no "..", no leading "/".
    if (name.empty() || name.front() == '/' || name.find("..") != std::string::npos ||
        !std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' ||
                   c == '-' || c == '+';
        })) {
        return fail("not a time-zone name: " + name);
    }
    std::ifstream file(zoneinfoDir + "/" + name, std::ios::binary);
    if (!file) {
        return fail("unknown time zone: " + name);
    }
    const std::string data((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    if (data.size() > (1u << 20)) {
        return fail("damaged time-zone file: " + name);
    }

    BigEndian in(data);
    Header h;
    if (!ReadHeader(in, data, h) || !in.Has(BlockSize(h, 4))) {
        return fail("damaged time-zone file: " + name);
    }
    int timeBytes = 4;
    if (h.Version >= '2') {
        // Skip the 32-bit block; the 64-bit one follows with its own header.
        in.Skip(BlockSize(h, 4));
        if (!ReadHeader(in, data, h) || !in.Has(BlockSize(h, 8))) {
            return fail("damaged time-zone file: " + name);
        }
        timeBytes = 8;
    }

    std::unique_ptr<TimeZoneHistory> zone(new TimeZoneHistory());
    zone->name_ = name;
    for (std::uint32_t k = 0; k < h.Time; ++k) {
        zone->times_.push_back(in.Signed(timeBytes));
        if (k > 0 && zone->times_[k] <= zone->times_[k - 1]) {
            return fail("damaged time-zone file: " + name);
        }
    }
    for (std::uint32_t k = 0; k < h.Time; ++k) {
        zone->typeOf_.push_back(static_cast<std::uint8_t>(in.Signed(1)));
        if (zone->typeOf_.back() >= h.Type) {
            return fail("damaged time-zone file: " + name);
        }
    }
    std::vector<std::pair<int, std::uint32_t>> abbreviationAt;
    for (std::uint32_t k = 0; k < h.Type; ++k) {
        Type t;
        t.Offset = static_cast<int>(in.Signed(4));
        t.Dst = in.Signed(1) != 0;
        const auto index = static_cast<std::uint32_t>(in.Signed(1) & 0xFF);
        if (index >= h.Char || t.Offset < -25 * 3600 || t.Offset > 26 * 3600) {
            return fail("damaged time-zone file: " + name);
        }
        abbreviationAt.emplace_back(static_cast<int>(k), index);
        zone->types_.push_back(t);
    }
    const std::string chars = data.substr(in.Position(), h.Char);
    for (const auto& [k, index] : abbreviationAt) {
        zone->types_[k].Abbreviation = std::string(chars.c_str() + index);
    }
    in.Skip(h.Char + std::uint64_t(h.Leap) * (timeBytes + 4) + h.IsStd + h.IsUt);

    if (timeBytes == 8 && in.Position() < data.size() && data[in.Position()] == '\n') {
        const std::size_t start = in.Position() + 1;
        const std::size_t end = data.find('\n', start);
        if (end != std::string::npos && end > start) {
            auto rule = Rule::Parse(data.substr(start, end - start));
            if (!rule) {
                return fail("damaged time-zone file: " + name);
            }
            zone->rule_ = std::make_unique<Rule>(*rule);
        }
    }
    return zone;
}

std::optional<ZoneClock> TimeZoneHistory::FromRule(std::int64_t t) const {
    if (!rule_) {
        return std::nullopt;
    }
    const Rule& r = *rule_;
    ZoneClock clock;
    clock.StandardOffsetSeconds = r.StdOffset;
    clock.OffsetSeconds = r.StdOffset;
    clock.Abbreviation = r.StdName;
    if (!r.HasDst) {
        return clock;
    }
    const int year = CivilYear(FloorDiv(t + r.StdOffset, 86400));
    const std::int64_t start = Rule::LocalAt(r.Start, year) - r.StdOffset;
    const std::int64_t end = Rule::LocalAt(r.End, year) - r.DstOffset;
    const bool dst = start < end ? (t >= start && t < end) : !(t >= end && t < start);
    if (dst) {
        clock.OffsetSeconds = r.DstOffset;
        clock.Abbreviation = r.DstName;
        clock.DaylightSaving = true;
    }
    if (r.DstOffset < r.StdOffset) {
        // A rule whose "daylight saving" sets the clocks back (Ireland):
        // its standard time is the summer time.
        clock.StandardOffsetSeconds = r.DstOffset;
        clock.DaylightSaving = !dst;
    }
    return clock;
}

int TimeZoneHistory::StandardOffsetAround(std::size_t i, int fallback) const {
    for (std::size_t j = i + 1; j-- > 0;) {
        if (!types_[typeOf_[j]].Dst) {
            return types_[typeOf_[j]].Offset;
        }
    }
    for (std::size_t j = i + 1; j < typeOf_.size(); ++j) {
        if (!types_[typeOf_[j]].Dst) {
            return types_[typeOf_[j]].Offset;
        }
    }
    return fallback;
}

ZoneClock TimeZoneHistory::AtUtc(std::int64_t t) const {
    if (times_.empty() || t >= times_.back()) {
        if (auto clock = FromRule(t)) {
            return *clock;
        }
    }
    ZoneClock clock;
    if (times_.empty() || t < times_.front()) {
        const Type& first = types_.front();
        clock.OffsetSeconds = first.Offset;
        clock.StandardOffsetSeconds = first.Offset;
        clock.DaylightSaving = first.Dst;
        clock.Abbreviation = first.Abbreviation;
        return clock;
    }
    const auto i = static_cast<std::size_t>(
        std::distance(times_.begin(), std::upper_bound(times_.begin(), times_.end(), t)) - 1);
    const Type& type = types_[typeOf_[i]];
    clock.OffsetSeconds = type.Offset;
    clock.Abbreviation = type.Abbreviation;
    clock.DaylightSaving = type.Dst;
    clock.StandardOffsetSeconds =
        type.Dst ? StandardOffsetAround(i, rule_ ? rule_->StdOffset : type.Offset) : type.Offset;
    // Ireland's clocks in the database's newer form: winter is a "daylight
    // saving" that sets the clocks back, summer the standard time. For the
    // user winter is standard time and summer daylight saving.
    if (clock.DaylightSaving && clock.StandardOffsetSeconds >= clock.OffsetSeconds) {
        clock.DaylightSaving = false;
        clock.StandardOffsetSeconds = clock.OffsetSeconds;
    } else if (!clock.DaylightSaving) {
        // The same in the table: a summer marked standard between two
        // winters marked as "daylight saving" behind it is the summer time.
        // Otherwise the database's own flag holds: a time it marks standard
        // next to a single such change (Kyiv on Moscow time from 1930,
        // before the German time of 1941) is standard time.
        bool between = true;
        int winter = clock.OffsetSeconds;
        for (const std::size_t j : {i - 1, i + 1}) {
            if (j >= typeOf_.size() || !types_[typeOf_[j]].Dst ||
                types_[typeOf_[j]].Offset >= clock.OffsetSeconds) {
                between = false;
                break;
            }
            winter = types_[typeOf_[j]].Offset;
        }
        if (between) {
            clock.DaylightSaving = true;
            clock.StandardOffsetSeconds = winter;
        }
    }
    return clock;
}

LocalTimeResolution TimeZoneHistory::AtLocal(int year, int month, int day, int hour,
                                             int minute) const {
    const std::int64_t local =
        DaysFromCivil(year, month, day) * 86400 + std::int64_t(hour) * 3600 + minute * 60;
    const ZoneClock before = AtUtc(local - 86400);
    const ZoneClock after = AtUtc(local + 86400);
    std::vector<std::int64_t> instants;
    for (const ZoneClock* c : {&before, &after}) {
        const std::int64_t u = local - c->OffsetSeconds;
        if (AtUtc(u).OffsetSeconds == c->OffsetSeconds &&
            std::find(instants.begin(), instants.end(), u) == instants.end()) {
            instants.push_back(u);
        }
    }
    std::sort(instants.begin(), instants.end());
    LocalTimeResolution result;
    if (instants.empty()) {
        result.Kind = LocalTimeKind::Skipped;
        result.Clock = before;
        result.Other = after;
        result.UtcSeconds = local - before.OffsetSeconds;
    } else if (instants.size() == 2) {
        result.Kind = LocalTimeKind::Repeated;
        result.Clock = AtUtc(instants[0]);
        result.Other = AtUtc(instants[1]);
        result.UtcSeconds = instants[0];
    } else {
        result.Clock = AtUtc(instants[0]);
        result.UtcSeconds = instants[0];
    }
    return result;
}

} // namespace tirovane::atlas
