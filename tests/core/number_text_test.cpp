// Number reading and writing. The number-reading fuzzer compares parseDouble with strtod on
// random texts and the conversion property test round-trips every written number; these rows
// pin the exact texts and reasons.
#include "core/number_text.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>

namespace quorvane {
namespace {

bool sameDouble(double a, double b) { // tells -0.0 from 0.0, and NaN equals NaN
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ParseDouble, AcceptsWhatCStrtodReadsWhole) {
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        {"045", 45}, {"12.", 12}, {".5", 0.5}, {"-3.25", -3.25}, {"+3", 3}, {"5e-05", 0.00005},
        {"0X1.8P1", 3}, {"-Infinity", -inf}, {"nan(123)", std::nan("")}, {"-0", -0.0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        const ParseResult r = parseDouble(text);
        ASSERT_TRUE(r.ok()) << text;
        EXPECT_TRUE(sameDouble(r.value, value)) << text << " gave " << r.value;
        EXPECT_EQ(r.consumed, text.size()) << text;
    }
}

TEST(ParseDouble, RefusesWithTheReason) {
    using E = ParseError;
    // clang-format off
    const std::pair<std::string, ParseError> cases[] = {
        {"", E::empty}, {" 5", E::leadingWhitespace}, {std::string(1, '\0') + "5", E::leadingWhitespace},
        {".", E::notANumber}, {"°", E::notANumber}, {"12,5", E::trailingCharacters},
        {"5°", E::trailingCharacters}, {"1e", E::trailingCharacters},
        {"1e999", E::outOfRange}, {"-1e999", E::outOfRange}, {"1e-999", E::underflow}};
    // clang-format on
    for (const auto& [text, error] : cases) {
        EXPECT_EQ(parseDouble(text).error, error) << '"' << text << '"';
        EXPECT_EQ(parseDouble(text).value, 0) << '"' << text << '"';
    }
}

TEST(DoubleText, WritesShortestRoundTripDigits) {
    // clang-format off
    const std::pair<double, std::string> cases[] = {
        {45.0, "45.0"}, {-0.0, "0.0"}, {-45.5, "-45.5"}, {0.0001, "0.0001"},
        {9.999999e-05, "9.999999e-05"}, {-5e-05, "-5e-05"}, {1e-100, "1e-100"},
        {12.345678900000003, "12.345678900000003"}, {0.1 + 0.2, "0.30000000000000004"},
        // either side of the form's own values (seven decimals at most, below 1e8)
        {48.8583701, "48.8583701"}, {-0.00012, "-0.00012"}, {99999999.5, "99999999.5"},
        {100000000.5, "100000000.5"}, {-2.10000001, "-2.10000001"}, {7654321.0, "7654321.0"}};
    // clang-format on
    for (const auto& [value, text] : cases)
        EXPECT_EQ(doubleText(value).view(), text);
    EXPECT_EQ(localDoubleText(1.5e-05, DecimalMode::comma).view(), "1,5e-05");
    EXPECT_EQ(localDoubleText(45.5, DecimalMode::point).view(), "45.5");
}

} // namespace
} // namespace quorvane
