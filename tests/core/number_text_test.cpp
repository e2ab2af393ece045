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

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0; // tells -0.0 from 0.0
}

// ---- parseDouble -------------------------------------------------------------------------

TEST(ParseDouble, AcceptsWhatCStrtodReadsWhole) {
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        {"45", 45}, {"045", 45}, {"12.", 12}, {".5", 0.5}, {"12.5", 12.5}, {"-3", -3}, {"+3", 3},
        {"5e-05", 0.00005}, {"1E3", 1000}, {"0x1p4", 16}, {"0X1.8P1", 3}, {"inf", inf},
        {"-Infinity", -inf}, {"0e-999", 0}, {"-0", -0.0}, {"12.345678900000003", 12.345678900000003},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()}, {std::string(200, '0'), 0}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        const ParseResult r = parseDouble(text);
        ASSERT_TRUE(r.ok()) << text;
        EXPECT_TRUE(sameDouble(r.value, value)) << text << " gave " << r.value;
        EXPECT_EQ(r.consumed, text.size()) << text;
    }
    EXPECT_TRUE(std::isnan(parseDouble("nan").value));
    EXPECT_TRUE(std::isnan(parseDouble("nan(123)").value));
}

TEST(ParseDouble, RefusesWithTheReason) {
    using E = ParseError;
    const std::string nul(1, '\0');
    // clang-format off
    const std::pair<std::string, ParseError> cases[] = {
        {"", E::empty}, {" 5", E::leadingWhitespace}, {"\t5", E::leadingWhitespace},
        {"\n5", E::leadingWhitespace}, {"\v5", E::leadingWhitespace}, {"\f5", E::leadingWhitespace},
        {"\r5", E::leadingWhitespace}, {nul + "5", E::leadingWhitespace}, {"abc", E::notANumber},
        {".", E::notANumber}, {"-", E::notANumber}, {"e5", E::notANumber}, {"°", E::notANumber},
        {"12,5", E::trailingCharacters}, {"1.2.3", E::trailingCharacters},
        {"5°", E::trailingCharacters}, {"12 ", E::trailingCharacters}, {"1e", E::trailingCharacters},
        {"0x", E::trailingCharacters}, {"5" + nul + "1", E::trailingCharacters},
        {std::string(200, '7') + "x", E::trailingCharacters}, {"1e999", E::outOfRange},
        {"-1e999", E::outOfRange}, {"1e-999", E::outOfRange}, {"0x1p-2000", E::outOfRange}};
    // clang-format on
    for (const auto& [text, error] : cases) {
        const ParseResult r = parseDouble(text);
        EXPECT_EQ(r.error, error) << '"' << text << '"';
        EXPECT_EQ(r.value, 0) << '"' << text << '"';
    }
}

// Random texts over the characters that matter to strtod, against strtod_l in the "C" locale:
// accepted exactly when strtod reads the whole non-empty text with no range error and the text
// does not start with a character strtod would skip; then with the same value.
std::string randomText(std::mt19937_64& rng) {
    static const std::string alphabet = "0123456789012345678901234567890123456789....-+eeEx"
                                        "Xpabcdfinfty ,\t\n";
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text;
    if (kind(rng) == 0) { // free mix of characters
        for (std::size_t n = std::uniform_int_distribution<std::size_t>(0, 12)(rng); n > 0; --n)
            text += alphabet[pick(rng)];
        return text;
    }
    // [sign] digits [. digits] [e [sign] digits] [junk]: numbers near every edge of the range
    std::uniform_int_distribution<int> digitCount(0, 30);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> coin(0, 3);
    auto digits = [&](int n) {
        for (int i = 0; i < n; ++i)
            text += static_cast<char>('0' + digit(rng));
    };
    if (coin(rng) == 0) text += "-";
    if (coin(rng) == 0) text += "0x";
    digits(digitCount(rng) / 3);
    if (coin(rng) != 0) text += ".";
    digits(digitCount(rng));
    if (coin(rng) == 0) {
        text += text.find('x') == std::string::npos ? "e" : "p";
        if (coin(rng) < 2) text += "-";
        text += std::to_string(std::uniform_int_distribution<int>(0, 1100)(rng));
    }
    if (coin(rng) == 0) text += alphabet[pick(rng)];
    return text;
}

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
            ++accepted;
        }
    }
    freelocale(c);
    EXPECT_GT(accepted, 20000); // the generator must reach both outcomes often
    EXPECT_LT(accepted, 80000);
}

// ---- doubleText, localDoubleText, intText ------------------------------------------------

TEST(DoubleText, WritesShortestRoundTripDigits) {
    // clang-format off
    const std::pair<double, std::string> cases[] = {
        {45.0, "45.0"}, {0.0, "0.0"}, {-0.0, "0.0"}, {999.0, "999.0"}, {-45.5, "-45.5"},
        {45.5041667, "45.5041667"}, {0.00012, "0.00012"}, {0.0001, "0.0001"}, {5e-05, "5e-05"},
        {-5e-05, "-5e-05"}, {1.5e-05, "1.5e-05"}, {1e-07, "1e-07"}, {9.999999e-05, "9.999999e-05"},
        {1e-100, "1e-100"}, {12.345678900000003, "12.345678900000003"},
        {5.999999999999979, "5.999999999999979"}, {0.1 + 0.2, "0.30000000000000004"}};
    // clang-format on
    for (const auto& [value, text] : cases)
        EXPECT_EQ(doubleText(value).view(), text);

    const auto comma = DecimalMode::comma;
    EXPECT_EQ(localDoubleText(45.5, comma).view(), "45,5");
    EXPECT_EQ(localDoubleText(45.0, comma).view(), "45,0");
    EXPECT_EQ(localDoubleText(1.5e-05, comma).view(), "1,5e-05");
    EXPECT_EQ(localDoubleText(5e-05, comma).view(), "5e-05");
    EXPECT_EQ(localDoubleText(45.5, DecimalMode::point).view(), "45.5");
    EXPECT_EQ(intText(45).view(), "45");
    EXPECT_EQ(intText(0).view(), "0");
    EXPECT_EQ(intText(-7).view(), "-7");
}

// The shortest digits found independently: the fewest significant digits printf needs for
// strtod to give the value back.
std::string shortestDigitsByPrintf(double value) {
    for (int precision = 1; precision <= 17; ++precision) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
        if (std::strtod(buffer, nullptr) == value) {
            std::string digits;
            for (const char* p = buffer; *p != 'e'; ++p)
                if (*p >= '0' && *p <= '9') digits += *p;
            return digits;
        }
    }
    return {};
}

std::string significantDigits(std::string_view text) {
    std::string digits;
    for (const char ch : text.substr(0, text.find('e')))
        if (ch >= '0' && ch <= '9' && !(digits.empty() && ch == '0')) digits += ch;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

TEST(DoubleText, RoundTripsAndIsShortestForRandomValuesOfTheForm) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 2);
    for (int i = 0; i < 20000; ++i) {
        double value = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (i % 3 == 0) value = std::round(value * 1e7) / 1e7; // the form's rounded values
        if (value == 0) continue; // a tiny value rounded away; 0.0 is in the table above
        if (i % 2 == 0) value = -value;
        const std::string text = doubleText(value).str();
        const ParseResult back = parseDouble(text);
        ASSERT_TRUE(back.ok() && back.value == value) << text;
        const bool exponentForm = text.find('e') != std::string::npos;
        ASSERT_EQ(exponentForm, std::fabs(value) < 0.0001) << text;
        if (exponentForm) {
            ASSERT_GE(text.size() - text.find('e'), 4u) << text; // e-05, not e-5
        } else {
            ASSERT_NE(text.find('.'), std::string::npos) << text; // 45.0, not 45
        }
        ASSERT_EQ(significantDigits(text), shortestDigitsByPrintf(value)) << text;
    }
}

TEST(NumberText, TruncAndRound) {
    EXPECT_EQ(truncToInteger(5.999999999999979), 5);
    EXPECT_EQ(truncToInteger(-2.9), -2);
    EXPECT_EQ(truncToInteger(std::nan("")), 0); // defined, where a cast would not be
    EXPECT_EQ(truncToInteger(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(0.49999999999999994), 0);
}

} // namespace
} // namespace quorvane
