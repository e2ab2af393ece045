// The --position-source option and QUORVANE_POSITION_SOURCE.
#include "location/position_source_option.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

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

TEST(PositionSource, TheLastOptionCountsThenTheEnvironmentThenTheDefault) {
    const std::tuple<std::vector<const char*>, const char*, Choice> cases[] = {
        {{"--position-source", "nmea:a", "--position-source", "none"}, "nmea:x", kNone},
        {{"--position-source", "nmea:a", "--position-source=none"}, nullptr, kNone},
        {{"--position-source="}, "none", PositionSourceChoice{}},
        {{"--other", "x", "--position-sourcex=none"},
         "nmea:x",
         PositionSourceChoice{PositionSourceKind::nmeaFile, "x"}},
        {{}, nullptr, PositionSourceChoice{}},
        {{"--other"}, "bogus", std::nullopt},
    };
    for (const auto& [arguments, environment, choice] : cases)
        EXPECT_EQ(positionSourceForProcess(arguments, environment).choice, choice)
            << (arguments.empty() ? "" : arguments.back());
    const std::vector<const char*> broken{"--position-source"};
    EXPECT_EQ(positionSourceForProcess(broken, "none").error, "--position-source needs a value");
}

} // namespace
} // namespace quorvane
