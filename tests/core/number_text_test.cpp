#include "core/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <locale.h>
#include <random>
#include <string>
#include <utility>

namespace quorvane {
namespace {

bool sameDouble(double a, double b) { // tells -0.0 from 0.0, and NaN equals NaN
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ParseDouble, AcceptsWhatCStrtodReadsWhole) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        {"045", 45}, {"12.", 12}, {".5", 0.5}, {"-3", -3}, {"+3", 3}, {"5e-05", 0.00005},
        {"1E3", 1000}, {"0X1.8P1", 3}, {"-Infinity", -inf}, {"nan(123)", nan}, {"0e-999", 0},
        {"-0", -0.0}, {"12.345678900000003", 12.345678900000003},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()}, {std::string(200, '0'), 0}};
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
    const std::string nul(1, '\0');
    // clang-format off
    const std::pair<std::string, ParseError> cases[] = {
        {"", E::empty}, {" 5", E::leadingWhitespace}, {"\t5", E::leadingWhitespace},
        {"\r5", E::leadingWhitespace}, {nul + "5", E::leadingWhitespace}, {".", E::notANumber},
        {"-", E::notANumber}, {"°", E::notANumber}, {"12,5", E::trailingCharacters},
        {"1.2.3", E::trailingCharacters}, {"5°", E::trailingCharacters}, {"12 ", E::trailingCharacters},
        {"1e", E::trailingCharacters}, {"5" + nul + "1", E::trailingCharacters},
        {"1e999", E::outOfRange}, {"-1e999", E::outOfRange}, {"1e-999", E::underflow}, {"0." + std::string(400, '0') + "1", E::underflow}};
    // clang-format on
    for (const auto& [text, error] : cases) {
        EXPECT_EQ(parseDouble(text).error, error) << '"' << text << '"';
        EXPECT_EQ(parseDouble(text).value, 0) << '"' << text << '"';
    }
}

// Random texts near every edge of strtod's grammar and range: [-] [0x] digits [. digits]
// [e|p [-] exponent], now and then with a stray character in front or behind.
std::string randomText(std::mt19937_64& rng) {
    static const std::string stray = "0123456789.-+eExXpabcdfinfty ,\t\n";
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const auto any = [&] { return stray[static_cast<std::size_t>(below(int(stray.size())))]; };
    std::string text = below(4) == 0 ? "-" : "";
    if (below(4) == 0) text += "0x";
    const auto digits = [&](int n) {
        while (n-- > 0)
            text += char('0' + below(10));
    };
    digits(below(11));
    if (below(4) != 0) text += ".";
    digits(below(31));
    if (below(4) == 0)
        text += (text.find('x') == std::string::npos ? "e" : "p") +
                std::string(below(2) == 0 ? "-" : "") + std::to_string(below(1101));
    if (below(4) == 0) text += any();
    if (below(8) == 0) text.insert(text.begin(), any());
    return text;
}

// Accepted exactly when strtod_l in the "C" locale reads the whole non-empty text with no range
// error and the text starts with no character strtod would skip; then with the same value.
TEST(ParseDouble, AgreesWithStrtodInTheCLocale) {
    const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    ASSERT_NE(c, static_cast<locale_t>(nullptr));
    std::mt19937_64 rng(20240611);
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string text = randomText(rng);
        char* end = nullptr;
        errno = 0;
        const double expected = strtod_l(text.c_str(), &end, c);
        const bool wanted = !text.empty() && std::strchr(" \t\n\v\f\r", text[0]) == nullptr &&
                            end == text.c_str() + text.size() && errno != ERANGE;
        const ParseResult r = parseDouble(text);
        ASSERT_EQ(r.ok(), wanted) << '"' << text << '"';
        if (wanted) {
            ASSERT_TRUE(sameDouble(r.value, expected)) << '"' << text << '"';
        }
        accepted += wanted;
    }
    freelocale(c);
    EXPECT_GT(accepted, 20000); // both outcomes must be reached often
    EXPECT_LT(accepted, 80000);
}

TEST(DoubleText, WritesShortestRoundTripDigits) {
    // clang-format off
    const std::pair<double, std::string> cases[] = {
        {45.0, "45.0"}, {-0.0, "0.0"}, {-45.5, "-45.5"}, {45.5041667, "45.5041667"},
        {0.00012, "0.00012"}, {0.0001, "0.0001"}, {9.999999e-05, "9.999999e-05"}, {-5e-05, "-5e-05"},
        {1.5e-05, "1.5e-05"}, {1e-100, "1e-100"}, {12.345678900000003, "12.345678900000003"},
        {0.1 + 0.2, "0.30000000000000004"}};
    // clang-format on
    for (const auto& [value, text] : cases)
        EXPECT_EQ(doubleText(value).view(), text);
    EXPECT_EQ(localDoubleText(45.0, DecimalMode::comma).view(), "45,0");
    EXPECT_EQ(localDoubleText(1.5e-05, DecimalMode::comma).view(), "1,5e-05");
    EXPECT_EQ(localDoubleText(45.5, DecimalMode::point).view(), "45.5");
    EXPECT_EQ(intText(-7).view(), "-7");
}

// The fewest significant digits printf needs for strtod to give the value back.
std::string shortestDigitsByPrintf(double value) {
    for (int precision = 1;; ++precision) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
        if (std::strtod(buffer, nullptr) != value) continue;
        std::string digits;
        for (const char* p = buffer; *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9') digits += *p;
        return digits.erase(digits.find_last_not_of('0') + 1);
    }
}

TEST(DoubleText, RandomValuesRoundTripInTheShortestDigits) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 2);
    for (int i = 0; i < 20000; ++i) {
        double value = mantissa(rng) * std::pow(10.0, exponent(rng)) * (i % 2 ? 1 : -1);
        if (i % 3 == 0) value = std::round(value * 1e7) / 1e7; // the form's rounded values
        if (value == 0) continue;
        const std::string text = doubleText(value).str();
        ASSERT_EQ(parseDouble(text).value, value) << text;
        const std::size_t e = text.find('e');
        ASSERT_EQ(e != std::string::npos, std::fabs(value) < 0.0001) << text;
        ASSERT_TRUE(e != std::string::npos ? text.size() - e >= 4 : text.find('.') != text.npos)
            << text << ": e-05, not e-5; 45.0, not 45";
        std::string digits; // significant digits of the text
        for (const char ch : text.substr(0, e))
            if (ch >= '0' && ch <= '9' && !(digits.empty() && ch == '0')) digits += ch;
        ASSERT_EQ(digits.erase(std::max<std::size_t>(1, digits.find_last_not_of('0') + 1)),
                  shortestDigitsByPrintf(value))
            << text;
    }
}

TEST(NumberText, TruncAndRound) {
    EXPECT_EQ(truncToInteger(5.999999999999979), 5);
    EXPECT_EQ(truncToInteger(-2.9), -2);
    EXPECT_EQ(truncToInteger(std::nan("")), 0); // defined, where a cast would not be
    EXPECT_EQ(truncToInteger(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(0.49999999999999994), 0);
}

} // namespace
} // namespace quorvane
