// The --position-source option and QUORVANE_POSITION_SOURCE.
#include "location/position_source_option.h"

#include <gtest/gtest.h>
#include <tuple>

namespace quorvane {
namespace {

using Choice = std::optional<PositionSourceChoice>;
const PositionSourceChoice kNone{PositionSourceKind::none, ""};

TEST(PositionSource, ReadsTheChoiceOrSaysWhatIsWrong) {
    const std::tuple<const char*, Choice, const char*> cases[] = {
        {"", PositionSourceChoice{}, ""},
        {"default", PositionSourceChoice{}, ""},
        {"none", kNone, ""},
        {"nmea:/tmp/a b:c.nmea",
         PositionSourceChoice{PositionSourceKind::nmeaFile, "/tmp/a b:c.nmea"}, ""},
        {"nmea:", std::nullopt, "position source \"nmea:\" names no file (nmea:FILE)"},
        {"NMEA:x", std::nullopt,
         "unknown position source \"NMEA:x\" (expected default, none or nmea:FILE)"},
    };
    for (const auto& [text, choice, error] : cases) {
        const PositionSourceParse parsed = parsePositionSource(text);
        EXPECT_EQ(parsed.choice, choice) << text;
        EXPECT_EQ(parsed.error, error) << text;
    }
}

TEST(PositionSource, TheCommandLineWinsThenTheEnvironmentThenTheDefault) {
    using Text = std::optional<std::string_view>;
    const std::tuple<Text, Text, Choice> cases[] = {
        {"none", "nmea:x", kNone},
        {std::nullopt, "nmea:x", PositionSourceChoice{PositionSourceKind::nmeaFile, "x"}},
        {std::nullopt, std::nullopt, PositionSourceChoice{}},
        {"bogus", "none", std::nullopt},
    };
    for (const auto& [commandLine, environment, choice] : cases)
        EXPECT_EQ(choosePositionSource(commandLine, environment).choice, choice)
            << commandLine.value_or("-");
}

} // namespace
} // namespace quorvane
