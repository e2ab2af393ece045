// The --position-source option and QUORVANE_POSITION_SOURCE.
#include "location/position_source_option.h"

#include <gtest/gtest.h>
#include <vector>

namespace quorvane {
namespace {

struct ParseCase {
    const char* text;
    std::optional<PositionSourceChoice> choice;
    const char* errorPart; // a part of the message, "" when the text is accepted
};

class ParsePositionSourceTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsePositionSourceTest, ReadsTheChoiceOrSaysWhatIsWrong) {
    const ParseCase& c = GetParam();
    const PositionSourceParse parsed = parsePositionSource(c.text);
    EXPECT_EQ(parsed.choice, c.choice);
    if (c.choice) {
        EXPECT_EQ(parsed.error, "");
    } else {
        EXPECT_NE(parsed.error.find(c.errorPart), std::string::npos) << parsed.error;
    }
}

const ParseCase kParseCases[] = {
    {"", PositionSourceChoice{}, ""},
    {"default", PositionSourceChoice{}, ""},
    {"none", PositionSourceChoice{PositionSourceKind::none, ""}, ""},
    {"nmea:tests/location/data/sydney.nmea",
     PositionSourceChoice{PositionSourceKind::nmeaFile, "tests/location/data/sydney.nmea"}, ""},
    {"nmea:/tmp/a b:c.nmea", PositionSourceChoice{PositionSourceKind::nmeaFile, "/tmp/a b:c.nmea"},
     ""},
    {"nmea:", std::nullopt, "names no file"},
    {"gps", std::nullopt, "unknown position source \"gps\""},
    {"NMEA:x", std::nullopt, "expected default, none or nmea:FILE"},
    {"None", std::nullopt, "unknown position source"},
};

INSTANTIATE_TEST_SUITE_P(Texts, ParsePositionSourceTest, ::testing::ValuesIn(kParseCases));

struct ArgumentCase {
    std::vector<const char*> arguments;
    std::optional<std::string_view> value;
    bool error;
};

class FindPositionSourceArgumentTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(FindPositionSourceArgumentTest, FindsTheLastValue) {
    const ArgumentCase& c = GetParam();
    const PositionSourceArgument found = findPositionSourceArgument(c.arguments);
    EXPECT_EQ(found.value, c.value);
    EXPECT_EQ(!found.error.empty(), c.error) << found.error;
}

const ArgumentCase kArgumentCases[] = {
    {{}, std::nullopt, false},
    {{"--other", "x"}, std::nullopt, false},
    {{"--position-source", "nmea:f.nmea"}, "nmea:f.nmea", false},
    {{"--position-source=none"}, "none", false},
    {{"--position-source=", "x"}, "", false},
    {{"--position-source", "none", "--position-source=nmea:b"}, "nmea:b", false},
    {{"--position-sourcex=none"}, std::nullopt, false},
    {{"--position-source"}, std::nullopt, true},
};

INSTANTIATE_TEST_SUITE_P(Arguments, FindPositionSourceArgumentTest,
                         ::testing::ValuesIn(kArgumentCases));

TEST(ChoosePositionSourceTest, CommandLineWinsOverEnvironment) {
    EXPECT_EQ(choosePositionSource("none", "nmea:x").choice,
              (PositionSourceChoice{PositionSourceKind::none, ""}));
    EXPECT_EQ(choosePositionSource(std::nullopt, "nmea:x").choice,
              (PositionSourceChoice{PositionSourceKind::nmeaFile, "x"}));
    EXPECT_EQ(choosePositionSource(std::nullopt, std::nullopt).choice, PositionSourceChoice{});
    EXPECT_FALSE(choosePositionSource("bogus", "none").choice);
}

TEST(PositionSourceForProcessTest, ArgumentThenEnvironmentThenDefault) {
    const std::vector<const char*> withOption{"--position-source", "none"};
    const std::vector<const char*> without{"--other"};
    const std::vector<const char*> broken{"--position-source"};
    EXPECT_EQ(positionSourceForProcess(withOption, "nmea:x").choice,
              (PositionSourceChoice{PositionSourceKind::none, ""}));
    EXPECT_EQ(positionSourceForProcess(without, "nmea:x").choice,
              (PositionSourceChoice{PositionSourceKind::nmeaFile, "x"}));
    EXPECT_EQ(positionSourceForProcess(without, nullptr).choice, PositionSourceChoice{});
    const PositionSourceParse failed = positionSourceForProcess(broken, "none");
    EXPECT_FALSE(failed.choice);
    EXPECT_NE(failed.error.find("--position-source needs a value"), std::string::npos);
}

} // namespace
} // namespace quorvane
