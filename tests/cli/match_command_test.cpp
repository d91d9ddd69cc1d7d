// tirovane-cli match end to end, and the 36-point match in the reading.
// The worked example's Moon stands in Cancer, Aslesha; a day later in Leo,
// Magha. Hand-counted: Cancer/Aslesha with itself gives 28 (all but Nadi);
// Cancer/Aslesha (first) with Leo/Magha (partner) gives Varna 1, Vashya 1,
// Tara 3, Yoni 0, Graha Maitri 5, Gana 6, Bhakoot 0, Nadi 0: 16.

#include "cli/match_command.h"
#include "tests/cli/cli_runner.h"

#include <gtest/gtest.h>

namespace {

using nlohmann::json;
using tirovane::test::CliRun;
using tirovane::test::RunCli;
using tirovane::test::WorkedExamplePerson;

json Named(const char* name, int day = 12) {
    json person = WorkedExamplePerson();
    person["Name"] = name;
    person["Day"] = day;
    return person;
}

const char* const NoDosha = "You do not have Manglik Dosha.";
const char* const NonManglik = "The person is Non Manglik";

TEST(MatchCommand, OneLinePerCandidateAndErrorsDoNotStopTheStream) {
    json missing = Named("Broken");
    missing.erase("Hour");
    const CliRun run = RunCli("match", Named("Example").dump() + "\n" + Named("Same").dump() +
                                           "\n" + Named("Next", 13).dump() + "\n" + missing.dump() +
                                           "\nnot json\n" + Named("After").dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 1);
    ASSERT_EQ(run.Lines.size(), 5u);

    const json same = json::parse(run.Lines[0]);
    EXPECT_EQ(same["Name"], "Same");
    EXPECT_EQ(same["Ashtakoota"]["Total"], 28);
    EXPECT_EQ(same["Ashtakoota"]["Verdict"], "Good match");
    EXPECT_EQ(same["Ashtakoota"]["NadiDosha"], "present");
    EXPECT_EQ(same["Ashtakoota"]["BhakootDosha"], "none");
    EXPECT_EQ(same["LagnaMatchLine"], NoDosha);
    EXPECT_EQ(same["ChandraMatchLine"], NoDosha);
    EXPECT_EQ(same["FirstPerson"],
              (json{{"Name", "Example"}, {"LagnaChart", NonManglik}, {"RashiChart", NonManglik}}));
    EXPECT_EQ(same["Partner"]["Name"], "Same");

    const json next = json::parse(run.Lines[1]);
    const json& points = next["Ashtakoota"];
    EXPECT_EQ(next["Name"], "Next");
    const json expected = {{"Varna", 1},   {"Vashya", 1},      {"Tara", 3},
                           {"Yoni", 0},    {"GrahaMaitri", 5}, {"Gana", 6},
                           {"Bhakoot", 0}, {"Nadi", 0},        {"Total", 16}};
    for (const auto& [name, value] : expected.items()) {
        EXPECT_EQ(points[name], value) << name;
    }
    EXPECT_EQ(points["Verdict"], "Not recommended: fewer than 18 of 36 points");
    EXPECT_EQ(points["NadiDosha"], "present");
    EXPECT_EQ(points["BhakootDosha"], "cancelled");
    EXPECT_EQ(points["Attributes"]["FirstPerson"], (json{{"MoonSign", "Cancer"},
                                                         {"Nakshatra", "Aslesha"},
                                                         {"Varna", "Brahmin"},
                                                         {"Vashya", "Jalachara"},
                                                         {"Yoni", "Cat"},
                                                         {"SignLord", "Moon"},
                                                         {"Gana", "Rakshasa"},
                                                         {"Nadi", "Antya"}}));
    EXPECT_EQ(points["Attributes"]["Partner"], (json{{"MoonSign", "Leo"},
                                                     {"Nakshatra", "Magha"},
                                                     {"Varna", "Kshatriya"},
                                                     {"Vashya", "Vanachara"},
                                                     {"Yoni", "Rat"},
                                                     {"SignLord", "Sun"},
                                                     {"Gana", "Rakshasa"},
                                                     {"Nadi", "Antya"}}));

    const json broken = json::parse(run.Lines[2]);
    EXPECT_EQ(broken["error"], "Missing field Hour.");
    EXPECT_EQ(broken["line"], 4);
    const json notJson = json::parse(run.Lines[3]);
    EXPECT_EQ(notJson["error"], "The line is not a JSON object.");
    EXPECT_EQ(notJson["line"], 5);
    EXPECT_EQ(json::parse(run.Lines[4])["Name"], "After");
}

TEST(MatchCommand, PartnerSwapsTheSides) {
    // The day-later person fixed as the partner, the example as a
    // candidate for the first person's side: the same pair as above.
    const CliRun run =
        RunCli("match --partner", Named("Next", 13).dump() + "\n" + Named("Example").dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_EQ(run.Lines.size(), 1u);
    const json line = json::parse(run.Lines[0]);
    EXPECT_EQ(line["Name"], "Example");
    EXPECT_EQ(line["Ashtakoota"]["Total"], 16);
    EXPECT_EQ(line["Ashtakoota"]["Vashya"], 1);
    EXPECT_EQ(line["Ashtakoota"]["Attributes"]["FirstPerson"]["Nakshatra"], "Aslesha");
    EXPECT_EQ(line["Ashtakoota"]["Attributes"]["Partner"]["Nakshatra"], "Magha");
    EXPECT_EQ(line["FirstPerson"]["Name"], "Example");
    EXPECT_EQ(line["Partner"]["Name"], "Next");

    // Without --partner the sides turn: Leo/Magha first, Cancer/Aslesha
    // partner. Varna: Kshatriya below Brahmin gives 0; Vashya Vanachara
    // with Jalachara 1; the rest is symmetric here: 15.
    const CliRun turned =
        RunCli("match", Named("Next", 13).dump() + "\n" + Named("Example").dump() + "\n");
    ASSERT_EQ(turned.Lines.size(), 1u);
    const json other = json::parse(turned.Lines[0]);
    EXPECT_EQ(other["Ashtakoota"]["Varna"], 0);
    EXPECT_EQ(other["Ashtakoota"]["Total"], 15);
    EXPECT_EQ(other["FirstPerson"]["Name"], "Next");
}

TEST(MatchCommand, AFirstLineThatFailsEndsTheRun) {
    json bad = Named("Bad");
    bad["Month"] = 13;
    const CliRun run = RunCli("match", bad.dump() + "\n" + Named("Candidate").dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 1);
    ASSERT_EQ(run.Lines.size(), 1u);
    EXPECT_EQ(json::parse(run.Lines[0])["line"], 1);

    const CliRun empty = RunCli("match", "");
    EXPECT_EQ(empty.ExitStatus, 1);
    ASSERT_EQ(empty.Lines.size(), 1u);
    EXPECT_TRUE(json::parse(empty.Lines[0]).contains("error"));

    // Only the first person: nothing to match, nothing wrong.
    const CliRun alone = RunCli("match", Named("Alone").dump() + "\n");
    EXPECT_EQ(alone.ExitStatus, 0);
    EXPECT_TRUE(alone.Lines.empty());
}

TEST(ReadingCommand, CarriesTheAshtakoota) {
    const CliRun run =
        RunCli("reading", Named("Example").dump() + "\n" + Named("Next", 13).dump() + "\n");
    ASSERT_EQ(run.Lines.size(), 1u);
    const json reading = json::parse(run.Lines[0]);
    ASSERT_TRUE(reading.contains("Ashtakoota"));
    EXPECT_EQ(reading["Ashtakoota"]["Total"], 16);
    EXPECT_EQ(reading["Ashtakoota"]["Attributes"]["Partner"]["Yoni"], "Rat");
    // Mars in Aquarius cancels both evaluations by its sign alone; Mercury
    // (5 Pisces) stands 18 whole degrees away.
    const json& first = reading["people"][0];
    EXPECT_EQ(first["LagnaChart"]["CancelledBy"], json::array({"LeoAquarius"}));
    EXPECT_EQ(first["RashiChart"]["CancelledBy"], json::array({"LeoAquarius"}));
}

TEST(MatchCommand, TheSexesDecideTheSidesAndThePoruthamsCountFromTheBride) {
    // She (Cancer, Aslesha) is the first line, he (Leo, Magha) the
    // candidate. Counted with him as the groom: Varna 0 (Kshatriya below
    // Brahmin), Vashya 1 (Vanachara with Jalachara), Tara 3, Yoni 0,
    // Graha Maitri 5, Gana 6, Bhakoot 0 (12th sign), Nadi 0: 15.
    json her = Named("Asha");
    her["Sex"] = "female";
    json him = Named("Ravi", 13);
    him["Sex"] = "male";
    json bad = Named("Odd", 13);
    bad["Sex"] = "m";
    const CliRun run = RunCli("match", her.dump() + "\n" + him.dump() + "\n" + Named("Unsaid", 13).dump() +
                                           "\n" + bad.dump() + "\n");
    ASSERT_EQ(run.Lines.size(), 3u);
    const json sided = json::parse(run.Lines[0]);
    EXPECT_EQ(sided["Groom"], 1) << "the candidate is the groom";
    EXPECT_EQ(sided["Ashtakoota"]["Total"], 15);
    EXPECT_EQ(sided["Ashtakoota"]["Attributes"]["FirstPerson"]["Nakshatra"], "Aslesha")
        << "the attributes stay in input order";
    // From Ashlesha to Magha is the 2nd star: Dina uttamam; both stars are
    // in the Pada band: no Rajju.
    const json& poruthams = sided["Porutham"];
    EXPECT_EQ(poruthams["Dina"],
              (json{{"Grade", "uttamam"},
                    {"Match", true},
                    {"Reason", "Count from the bride's star to the groom's: 2."}}));
    EXPECT_EQ(poruthams["Rajju"]["Reason"], "Both are in Pada rajju: wandering.");
    EXPECT_EQ(poruthams["Rajju"]["Match"], false);
    EXPECT_EQ(poruthams["Verdict"], "Adhamam");
    EXPECT_EQ(poruthams["Doshas"], json::array({"Rajju"}));

    // The other sex taken as the opposite of hers: the same sides.
    const json unsaid = json::parse(run.Lines[1]);
    EXPECT_EQ(unsaid["Groom"], 1);
    EXPECT_EQ(unsaid["Ashtakoota"]["Total"], 15);

    const json refused = json::parse(run.Lines[2]);
    EXPECT_EQ(refused["error"], "Field Sex must be \"male\" or \"female\".");
    EXPECT_EQ(refused["line"], 4);

    // With --partner and no sexes the first line stands as the partner.
    const CliRun partner =
        RunCli("match --partner", Named("Asha").dump() + "\n" + Named("Ravi", 13).dump() + "\n");
    ASSERT_EQ(partner.Lines.size(), 1u);
    EXPECT_EQ(json::parse(partner.Lines[0])["Groom"], 0);
    EXPECT_EQ(json::parse(partner.Lines[0])["Ashtakoota"]["Total"], 15);
}

TEST(AshtakootaJson, HalvesAsPointFiveWholeNumbersAsIntegers) {
    // Aswini (Aries 5°) with Rohini (Taurus 15°): Tara 1.5, total 23.5.
    const std::string text =
        tirovane::cli::AshtakootaToJson(tirovane::MatchSides(5, 45)).dump();
    EXPECT_NE(text.find("\"Varna\":1,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Tara\":1.5,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Bhakoot\":0,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Total\":23.5,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Verdict\":\"Acceptable match\""), std::string::npos) << text;
}

} // namespace
