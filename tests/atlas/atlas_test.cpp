#include "atlas/atlas.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace tirovane::atlas {
namespace {

const Atlas& TheAtlas() {
    static const std::unique_ptr<Atlas> atlas = [] {
        std::string error;
        auto a = Atlas::Load(TIROVANE_ATLAS_FILE, &error);
        if (!a) {
            ADD_FAILURE() << error;
        }
        return a;
    }();
    return *atlas;
}

TEST(AtlasTest, HoldsEveryTownOfAThousandPeople) {
    // GeoNames lists about 130,000 places of 1,000 or more people.
    EXPECT_GT(TheAtlas().PlaceCount(), 120000u);
    EXPECT_LT(TheAtlas().PlaceCount(), 200000u);
}

struct Expected {
    const char* Query;
    const char* Name;
    const char* State;
    const char* CountryCode;
};

class FirstMatchTest : public ::testing::TestWithParam<Expected> {};

TEST_P(FirstMatchTest, FindsThePlace) {
    const Expected& e = GetParam();
    const auto found = TheAtlas().Search(e.Query, 5);
    ASSERT_FALSE(found.empty()) << e.Query;
    EXPECT_EQ(found[0].Name, e.Name) << e.Query;
    EXPECT_EQ(found[0].State, e.State) << e.Query;
    EXPECT_EQ(found[0].CountryCode, e.CountryCode) << e.Query;
}

// Older and English names of Indian cities, accents, case, any word of the
// name, and narrowing by region or country.
INSTANTIATE_TEST_SUITE_P(
    AliasesAccentsAndNarrowing, FirstMatchTest,
    ::testing::Values(Expected{"Bombay", "Mumbai", "Maharashtra", "IN"},
                      Expected{"calcutta", "Kolkata", "West Bengal", "IN"},
                      Expected{"Madras", "Chennai", "Tamil Nadu", "IN"},
                      Expected{"BANGALORE", "Bengaluru", "Karnataka", "IN"},
                      Expected{"Poona", "Pune", "Maharashtra", "IN"},
                      Expected{"Benares", "Varanasi", "Uttar Pradesh", "IN"},
                      Expected{"Trivandrum", "Thiruvananthapuram", "Kerala", "IN"},
                      Expected{"sao paulo", "São Paulo", "São Paulo", "BR"},
                      Expected{"São Paulo", "São Paulo", "São Paulo", "BR"},
                      Expected{"zurich", "Zürich", "Zurich", "CH"},
                      Expected{"kathm", "Kathmandu", "Bagmati Province", "NP"},
                      Expected{"San Jose, Costa Rica", "San José", "San José", "CR"},
                      Expected{"san jose, cr", "San José", "San José", "CR"},
                      Expected{"Springfield, Illinois", "Springfield", "Illinois", "US"},
                      Expected{"Springfield,  massachusetts ", "Springfield", "Massachusetts",
                               "US"},
                      Expected{"London, Ontario", "London", "Ontario", "CA"},
                      Expected{"indianapolis", "Indianapolis", "Indiana", "US"}));

TEST(AtlasTest, AccentInTheNameIsFoundWithout) {
    const auto found = TheAtlas().Search("vijapur", 20);
    bool seen = false;
    for (const Place& p : found) {
        seen = seen || p.Name == "Vijāpur";
    }
    EXPECT_TRUE(seen);
}

TEST(AtlasTest, RanksByPopulationAndMatchesAnyWord) {
    // Places named "York" (or so in another name) come first; then those
    // with a word starting so, New York City (its second word) the most
    // populous of them, and the rest by population.
    const auto york = TheAtlas().Search("york", 10);
    ASSERT_GE(york.size(), 3u);
    EXPECT_EQ(york[0].Name, "York");
    const auto city = std::find_if(york.begin(), york.end(),
                                   [](const auto& p) { return p.Name == "New York City"; });
    ASSERT_NE(city, york.end());
    for (auto it = city + 1; it != york.end(); ++it) {
        EXPECT_GE((it - 1)->Population, it->Population) << it->Name;
    }
    // A small town named exactly so before a larger one that only starts
    // so, and ", region, country" narrowing to the region where it is named
    // as its country.
    EXPECT_EQ(TheAtlas().Search("Barhi, India", 1).at(0).Name, "Barhi");
    const auto mexico = TheAtlas().Search("San Bartolomé, México, Mexico", 20);
    ASSERT_FALSE(mexico.empty());
    EXPECT_EQ(mexico[0].Name, "San Bartolomé");
    for (const auto& p : mexico) {
        EXPECT_EQ(p.State, "México") << p.Name;
    }
    // A one-letter prefix: at most the limit, best first.
    const auto m = TheAtlas().Search("m", 10);
    ASSERT_EQ(m.size(), 10u);
    for (std::size_t k = 1; k < m.size(); ++k) {
        EXPECT_GE(m[k - 1].Population, m[k].Population);
    }
}

TEST(AtlasTest, AOneLetterSearchRanksLikeTheLongerOnesItCovers) {
    // One letter goes through the places in rank order; three letters
    // through the index. No place that a three-letter search under the
    // letter finds is missing from the one-letter search if it is more
    // populous than the last the one-letter search gives.
    for (const char letter : {'m', 's', 'k'}) {
        const auto got = TheAtlas().Search(std::string(1, letter), 10);
        ASSERT_EQ(got.size(), 10u);
        const auto key = [](const Place& p) {
            return p.Name + "/" + p.CountryCode + "/" + p.State;
        };
        std::vector<std::string> gotKeys;
        for (const Place& p : got) {
            gotKeys.push_back(key(p));
        }
        int checked = 0;
        for (char b = 'a'; b <= 'z'; ++b) {
            for (char c = 'a'; c <= 'z'; ++c) {
                for (const Place& p : TheAtlas().Search(std::string{letter, b, c}, 10)) {
                    if (p.Population > got.back().Population) {
                        ++checked;
                        EXPECT_NE(std::find(gotKeys.begin(), gotKeys.end(), key(p)), gotKeys.end())
                            << letter << ": " << key(p);
                    }
                }
            }
        }
        EXPECT_GE(checked, 5) << letter;
    }
}

TEST(AtlasTest, ReturnsEachPlaceOnceWhateverNamesMatch) {
    // Mumbai is found by its name and by several "Mum..." alternates.
    const auto found = TheAtlas().Search("mum", 10);
    int mumbai = 0;
    for (const Place& p : found) {
        mumbai += p.Name == "Mumbai" ? 1 : 0;
    }
    EXPECT_EQ(mumbai, 1);
}

TEST(AtlasTest, GivesTheFieldsOfThePlace) {
    const auto found = TheAtlas().Search("Chennai", 1);
    ASSERT_EQ(found.size(), 1u);
    const Place& p = found[0];
    EXPECT_EQ(p.Country, "India");
    EXPECT_EQ(p.TimeZone, "Asia/Kolkata");
    // Chennai lies at about 13°05' N, 80°17' E.
    EXPECT_NEAR(p.Latitude, 13.087, 0.02);
    EXPECT_NEAR(p.Longitude, 80.278, 0.02);
    EXPECT_GT(p.Population, 4'000'000);
    // West and south are negative.
    const auto rio = TheAtlas().Search("Rio de Janeiro", 1);
    ASSERT_EQ(rio.size(), 1u);
    EXPECT_NEAR(rio[0].Latitude, -22.9, 0.1);
    EXPECT_NEAR(rio[0].Longitude, -43.2, 0.1);
}

TEST(AtlasTest, NothingForNoMatchOrAnEmptyQuery) {
    EXPECT_TRUE(TheAtlas().Search("qqxqzv", 10).empty());
    EXPECT_TRUE(TheAtlas().Search("", 10).empty());
    EXPECT_TRUE(TheAtlas().Search(" ,India", 10).empty());
    EXPECT_TRUE(TheAtlas().Search("Chennai", 0).empty());
    EXPECT_TRUE(TheAtlas().Search("Chennai, Brazil", 10).empty());
    // A query longer than every name, and bytes that are not UTF-8.
    EXPECT_TRUE(TheAtlas().Search(std::string(300, 'a'), 10).empty());
    EXPECT_TRUE(TheAtlas().Search("\xff\xfe\xc3", 10).empty());
}

TEST(AtlasTest, FoldsCaseAccentsAndPunctuation) {
    const Atlas& a = TheAtlas();
    EXPECT_EQ(a.Fold("São  Paulo"), "sao paulo");
    EXPECT_EQ(a.Fold("ZÜRICH"), "zurich");
    EXPECT_EQ(a.Fold("Stratford-upon-Avon"), "stratford upon avon");
    EXPECT_EQ(a.Fold("Kal'kutta"), "kalkutta");
    EXPECT_EQ(a.Fold("Straße"), "strasse");
    EXPECT_EQ(a.Fold("Łódź"), "lodz");
    EXPECT_EQ(a.Fold("  Vijāpur "), "vijapur");
    EXPECT_EQ(a.Fold("Ḍhākā"), "dhaka");
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AtlasTest, RefusesMissingAndDamagedFiles) {
    const std::string whole = Slurp(TIROVANE_ATLAS_FILE);
    const auto dir = std::filesystem::temp_directory_path() / "tirovane_atlas_test";
    std::filesystem::create_directories(dir);
    const struct {
        const char* Name;
        std::string Bytes;
    } cases[] = {
        {"empty", ""},
        {"truncated", whole.substr(0, whole.size() / 2)},
        {"header only", whole.substr(0, 36)},
        {"wrong magic", "TVATLAS9" + whole.substr(8)},
        {"extra byte", whole + "x"},
    };
    for (const auto& c : cases) {
        const auto path = (dir / "bad.atlas").string();
        std::ofstream(path, std::ios::binary) << c.Bytes;
        std::string error;
        EXPECT_EQ(Atlas::Load(path, &error), nullptr) << c.Name;
        EXPECT_FALSE(error.empty()) << c.Name;
    }
    std::string error;
    EXPECT_EQ(Atlas::Load((dir / "none.atlas").string(), &error), nullptr);
    EXPECT_NE(error.find("cannot open"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(AtlasTest, LazyAtlasReadsNothingUntilAsked) {
    LazyAtlas lazy(TIROVANE_ATLAS_FILE);
    EXPECT_FALSE(lazy.Loaded());
    ASSERT_NE(lazy.Get(), nullptr);
    EXPECT_TRUE(lazy.Loaded());
    EXPECT_EQ(lazy.Get(), lazy.Get());

    LazyAtlas missing("/nonexistent/places.atlas");
    EXPECT_EQ(missing.Get(), nullptr);
    EXPECT_FALSE(missing.Error().empty());
}

} // namespace
} // namespace tirovane::atlas
