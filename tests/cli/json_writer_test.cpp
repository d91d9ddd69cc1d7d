// The JSON written straight as text is byte for byte what nlohmann's
// compact dump writes for the same values: numbers, texts with escapes and
// bytes that are no UTF-8, and nesting.

#include "cli/json_writer.h"

#include <gtest/gtest.h>
#include <limits>
#include <nlohmann/json.hpp>

namespace tirovane::cli {
namespace {

using Ordered = nlohmann::ordered_json;

std::string Dumped(const Ordered& value) {
    return value.dump(-1, ' ', false, Ordered::error_handler_t::replace);
}

TEST(JsonWriter, NumbersAsTheLibraryWritesThem) {
    // Whole numbers get ".0", small and large ones an exponent, the rest
    // their shortest form; what is no number is null.
    const double doubles[] = {0.0,
                              -0.0,
                              1.0,
                              2451545.0,
                              2451545.123456789,
                              0.0001,
                              0.00001,
                              3.5e-5,
                              123.456,
                              359.99999999999994,
                              1e15,
                              1e16,
                              1e300,
                              -273.15,
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()};
    for (const double d : doubles) {
        std::string text;
        JsonWriter(text).Number(d);
        EXPECT_EQ(text, Dumped(Ordered(d))) << d;
    }
    for (const int n : {0, 7, -12, 2147483647, -2147483647 - 1}) {
        std::string text;
        JsonWriter(text).Number(n);
        EXPECT_EQ(text, Dumped(Ordered(n))) << n;
    }
}

TEST(JsonWriter, TextsWithTheLibrarysEscapes) {
    const std::string texts[] = {"",
                                 "Vrishcika",
                                 "28 Kat 42 (R)",
                                 "a \"quoted\" word",
                                 "back\\slash",
                                 "tab\tand\nnew line\r\x01\x1f",
                                 "\u0906\u0936\u093E",
                                 "caf\xC3\xA9",
                                 "bad \xFF byte",
                                 "cut \xE0\xA4",
                                 "\x7F"};
    for (const std::string& t : texts) {
        std::string text;
        JsonWriter(text).String(t);
        EXPECT_EQ(text, Dumped(Ordered(t))) << t;
    }
}

TEST(JsonWriter, ObjectsAndArraysNestWithCommasBetween) {
    std::string text;
    JsonWriter out(text);
    out.BeginObject();
    out.Key("Empty").BeginArray().EndArray();
    out.Key("Flags").BeginArray().Bool(true).Bool(false).EndArray();
    out.Key("Signs").Numbers(std::array<int, 3>{0, 11, 5});
    out.Key("Names").Strings(std::array<std::string, 2>{"Sun", "Moon"});
    out.Key("Inner").BeginObject().Key("A").Number(1.5).Key("B").BeginObject().EndObject();
    out.EndObject();
    out.Key("Rows").BeginArray();
    out.BeginObject().Key("N").Number(1).EndObject();
    out.BeginObject().Key("N").Number(2).EndObject();
    out.EndArray();
    out.Key("Raw").Raw(R"({"x":[1,2]})");
    out.EndObject();

    Ordered expected;
    expected["Empty"] = Ordered::array();
    expected["Flags"] = {true, false};
    expected["Signs"] = {0, 11, 5};
    expected["Names"] = {"Sun", "Moon"};
    expected["Inner"]["A"] = 1.5;
    expected["Inner"]["B"] = Ordered::object();
    expected["Rows"] = Ordered::array({{{"N", 1}}, {{"N", 2}}});
    expected["Raw"] = {{"x", {1, 2}}};
    EXPECT_EQ(text, Dumped(expected));
}

} // namespace
} // namespace tirovane::cli
