#pragma once

#include <string_view>

// What the 36-point match reads of one person: the attributes that follow
// from the Moon's sidereal longitude alone.

namespace tirovane::matching {

// Ranked 1 (Shudra) to 4 (Brahmin); a higher rank is the better varna.
enum class Varna { Shudra = 1, Vaishya = 2, Kshatriya = 3, Brahmin = 4 };

enum class Vashya { Chatushpada, Manava, Jalachara, Vanachara, Keeta };

enum class Yoni {
    Horse,
    Elephant,
    Sheep,
    Serpent,
    Dog,
    Cat,
    Rat,
    Cow,
    Buffalo,
    Tiger,
    Deer,
    Monkey,
    Mongoose,
    Lion
};

// The seven planets that rule signs.
enum class Planet { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn };

enum class Gana { Deva, Manushya, Rakshasa };

enum class Nadi { Adi, Madhya, Antya };

inline constexpr int YoniCount = 14;
inline constexpr int PlanetCount = 7;

// One person's attributes from the Moon.
struct MoonAttributes {
    double Longitude = 0; // sidereal, degrees in [0, 360)
    int Sign = 0;         // 0 Aries .. 11 Pisces
    int Nakshatra = 0;    // 0 Aswini .. 26 Revati
    int Pada = 1;         // 1 .. 4, the quarter of the nakshatra
    Varna VarnaClass = Varna::Kshatriya;
    Vashya VashyaClass = Vashya::Chatushpada;
    Yoni Animal = Yoni::Horse;
    Planet SignLord = Planet::Mars;
    Gana GanaClass = Gana::Deva;
    Nadi NadiClass = Nadi::Adi;
};

// The sign Int(L / 30) and the nakshatra Int(L * 60 / 800) of a sidereal
// longitude, by the engine's own index helpers. A longitude outside
// [0, 360) is first brought into it.
int MoonSignIndex(double longitude);
int MoonNakshatraIndex(double longitude);
// The quarter of its nakshatra: (Int(L * 60 / 200) mod 4) + 1.
int MoonPada(double longitude);

MoonAttributes AttributesOfMoon(double siderealLongitude);

// The attribute names as the match table shows them.
std::string_view VarnaName(Varna varna);
std::string_view VashyaName(Vashya vashya);
std::string_view YoniName(Yoni yoni);
std::string_view PlanetName(Planet planet);
std::string_view GanaName(Gana gana);
std::string_view NadiName(Nadi nadi);

// The lord of sign k (0 Aries .. 11 Pisces).
Planet SignLordOf(int sign);

} // namespace tirovane::matching
