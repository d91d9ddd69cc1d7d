#include "matching/attributes.h"

#include "engine/sidereal_chart.h"
#include "engine/tables.h"
#include "texts/marker.h"

#include <array>
#include <cmath>
#include <stdexcept>

namespace tirovane::matching {

namespace {

constexpr std::array<Varna, 12> VarnaBySign = {
    Varna::Kshatriya, Varna::Vaishya, Varna::Shudra, Varna::Brahmin,
    Varna::Kshatriya, Varna::Vaishya, Varna::Shudra, Varna::Brahmin,
    Varna::Kshatriya, Varna::Vaishya, Varna::Shudra, Varna::Brahmin,
};

// The engine's sign table names each sign's lord as a chart body; the
// match speaks of the same seven planets.
Planet PlanetOf(engine::ChartBody body) {
    switch (body) {
    case engine::Sun:
        return Planet::Sun;
    case engine::Moon:
        return Planet::Moon;
    case engine::Mercury:
        return Planet::Mercury;
    case engine::Venus:
        return Planet::Venus;
    case engine::Mars:
        return Planet::Mars;
    case engine::Jupiter:
        return Planet::Jupiter;
    case engine::Saturn:
        return Planet::Saturn;
    default:
        throw std::logic_error("a sign lord is one of the seven planets");
    }
}

constexpr std::array<Yoni, 27> YoniByNakshatra = {
    Yoni::Horse,   Yoni::Elephant, Yoni::Sheep,    Yoni::Serpent, Yoni::Serpent, Yoni::Dog,
    Yoni::Cat,     Yoni::Sheep,    Yoni::Cat,      Yoni::Rat,     Yoni::Rat,     Yoni::Cow,
    Yoni::Buffalo, Yoni::Tiger,    Yoni::Buffalo,  Yoni::Tiger,   Yoni::Deer,    Yoni::Deer,
    Yoni::Dog,     Yoni::Monkey,   Yoni::Mongoose, Yoni::Monkey,  Yoni::Lion,    Yoni::Horse,
    Yoni::Lion,    Yoni::Cow,      Yoni::Elephant,
};

constexpr Gana D = Gana::Deva;
constexpr Gana M = Gana::Manushya;
constexpr Gana R = Gana::Rakshasa;
constexpr std::array<Gana, 27> GanaByNakshatra = {
    D, M, R, M, D, M, D, D, R, R, M, M, D, R, D, R, D, R, R, M, M, D, R, R, M, M, D,
};

constexpr Nadi A = Nadi::Adi;
constexpr Nadi Md = Nadi::Madhya;
constexpr Nadi An = Nadi::Antya;
constexpr std::array<Nadi, 27> NadiByNakshatra = {
    A,  Md, An, An, Md, A,  A,  Md, An, An, Md, A,  A,  Md,
    An, An, Md, A,  A,  Md, An, An, Md, A,  A,  Md, An,
};

double Reduced(double longitude) {
    if (!(longitude >= 0 && longitude < 360)) {
        longitude = std::fmod(longitude, 360.0);
        if (longitude < 0) {
            longitude += 360;
        }
        // fmod of a tiny negative value plus 360 can round to 360 itself.
        if (!(longitude < 360)) {
            longitude = 0;
        }
    }
    return longitude;
}

// Chatushpada, Manava or Jalachara by the half of the sign for Sagittarius
// and Capricorn; the other signs have one class throughout.
Vashya VashyaOf(int sign, double degreesInSign) {
    const bool firstHalf = degreesInSign < 15;
    switch (sign) {
    case 0:
    case 1:
        return Vashya::Chatushpada;
    case 2:
    case 5:
    case 6:
    case 10:
        return Vashya::Manava;
    case 3:
    case 11:
        return Vashya::Jalachara;
    case 4:
        return Vashya::Vanachara;
    case 7:
        return Vashya::Keeta;
    case 8:
        return firstHalf ? Vashya::Manava : Vashya::Chatushpada;
    default: // 9, Capricorn
        return firstHalf ? Vashya::Chatushpada : Vashya::Jalachara;
    }
}

} // namespace

int MoonSignIndex(double longitude) {
    return engine::SignIndexOf(Reduced(longitude));
}

int MoonNakshatraIndex(double longitude) {
    return engine::NakshatraIndexOf(Reduced(longitude));
}

int MoonPada(double longitude) {
    const double reduced = Reduced(longitude);
    return static_cast<int>(std::floor(reduced * 60 / 200)) % 4 + 1;
}

Planet SignLordOf(int sign) {
    return PlanetOf(engine::Signs.at(static_cast<std::size_t>(sign)).Lord);
}

MoonAttributes AttributesOfMoon(double siderealLongitude) {
    MoonAttributes a;
    a.Longitude = Reduced(siderealLongitude);
    a.Sign = MoonSignIndex(a.Longitude);
    a.Nakshatra = MoonNakshatraIndex(a.Longitude);
    a.Pada = MoonPada(a.Longitude);
    const auto s = static_cast<std::size_t>(a.Sign);
    const auto n = static_cast<std::size_t>(a.Nakshatra);
    a.VarnaClass = VarnaBySign[s];
    a.VashyaClass = VashyaOf(a.Sign, a.Longitude - 30.0 * a.Sign);
    a.Animal = YoniByNakshatra[n];
    a.SignLord = SignLordOf(a.Sign);
    a.GanaClass = GanaByNakshatra[n];
    a.NadiClass = NadiByNakshatra[n];
    return a;
}

std::string_view VarnaName(Varna varna) {
    switch (varna) {
    case Varna::Brahmin:
        return QT_TRANSLATE_NOOP("Matching", "Brahmin");
    case Varna::Kshatriya:
        return QT_TRANSLATE_NOOP("Matching", "Kshatriya");
    case Varna::Vaishya:
        return QT_TRANSLATE_NOOP("Matching", "Vaishya");
    case Varna::Shudra:
        return QT_TRANSLATE_NOOP("Matching", "Shudra");
    }
    return {};
}

std::string_view VashyaName(Vashya vashya) {
    constexpr std::array<std::string_view, 5> names = {
        QT_TRANSLATE_NOOP("Matching", "Chatushpada"), QT_TRANSLATE_NOOP("Matching", "Manava"),
        QT_TRANSLATE_NOOP("Matching", "Jalachara"), QT_TRANSLATE_NOOP("Matching", "Vanachara"),
        QT_TRANSLATE_NOOP("Matching", "Keeta")};
    return names.at(static_cast<std::size_t>(vashya));
}

std::string_view YoniName(Yoni yoni) {
    constexpr std::array<std::string_view, YoniCount> names = {
        QT_TRANSLATE_NOOP("Matching", "Horse"),    QT_TRANSLATE_NOOP("Matching", "Elephant"),
        QT_TRANSLATE_NOOP("Matching", "Sheep"),    QT_TRANSLATE_NOOP("Matching", "Serpent"),
        QT_TRANSLATE_NOOP("Matching", "Dog"),      QT_TRANSLATE_NOOP("Matching", "Cat"),
        QT_TRANSLATE_NOOP("Matching", "Rat"),      QT_TRANSLATE_NOOP("Matching", "Cow"),
        QT_TRANSLATE_NOOP("Matching", "Buffalo"),  QT_TRANSLATE_NOOP("Matching", "Tiger"),
        QT_TRANSLATE_NOOP("Matching", "Deer"),     QT_TRANSLATE_NOOP("Matching", "Monkey"),
        QT_TRANSLATE_NOOP("Matching", "Mongoose"), QT_TRANSLATE_NOOP("Matching", "Lion")};
    return names.at(static_cast<std::size_t>(yoni));
}

std::string_view PlanetName(Planet planet) {
    constexpr std::array<std::string_view, PlanetCount> names = {
        QT_TRANSLATE_NOOP("Matching", "Sun"),     QT_TRANSLATE_NOOP("Matching", "Moon"),
        QT_TRANSLATE_NOOP("Matching", "Mars"),    QT_TRANSLATE_NOOP("Matching", "Mercury"),
        QT_TRANSLATE_NOOP("Matching", "Jupiter"), QT_TRANSLATE_NOOP("Matching", "Venus"),
        QT_TRANSLATE_NOOP("Matching", "Saturn")};
    return names.at(static_cast<std::size_t>(planet));
}

std::string_view GanaName(Gana gana) {
    constexpr std::array<std::string_view, 3> names = {QT_TRANSLATE_NOOP("Matching", "Deva"),
                                                       QT_TRANSLATE_NOOP("Matching", "Manushya"),
                                                       QT_TRANSLATE_NOOP("Matching", "Rakshasa")};
    return names.at(static_cast<std::size_t>(gana));
}

std::string_view NadiName(Nadi nadi) {
    constexpr std::array<std::string_view, 3> names = {QT_TRANSLATE_NOOP("Matching", "Adi"),
                                                       QT_TRANSLATE_NOOP("Matching", "Madhya"),
                                                       QT_TRANSLATE_NOOP("Matching", "Antya")};
    return names.at(static_cast<std::size_t>(nadi));
}

} // namespace tirovane::matching
