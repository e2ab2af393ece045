#include "core/keystroke_filter.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace quorvane {
namespace {

constexpr auto kAccept = FilterDecision::accept;
constexpr auto kRefuse = FilterDecision::refuse;
constexpr std::size_t kEnd = std::numeric_limits<std::size_t>::max(); // "append at the end"

struct KeyCase {
    std::optional<int> tag;
    std::u16string current;
    std::size_t location; // kEnd: after the last code unit
    std::size_t length;
    std::u16string replacement;
    FilterDecision expected;
    const char* why;
};

class KeystrokeFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeystrokeFilterTest, Decides) {
    const KeyCase& c = GetParam();
    const Utf16Range range{c.location == kEnd ? c.current.size() : c.location, c.length};
    EXPECT_EQ(filterKeystroke(c.tag, c.current, range, c.replacement), c.expected) << c.why;
}

constexpr int d1 = 0, m1 = 1, s1 = 2, d2 = 3, m3 = 7, d4 = 8, d5 = 10, d8 = 13;

INSTANTIATE_TEST_SUITE_P(
    Fields, KeystrokeFilterTest,
    ::testing::Values(
        KeyCase{d1, u"", kEnd, 0, u"4", kAccept, "first digit"},
        KeyCase{d1, u"45", kEnd, 0, u"6", kAccept, "third digit"},
        KeyCase{d1, u"456", kEnd, 0, u"7", kRefuse, "fourth digit"},
        KeyCase{d1, u"", kEnd, 0, u".", kRefuse, "separator in whole degrees"},
        KeyCase{d2, u"45", kEnd, 0, u",", kRefuse, "comma in whole degrees"},
        KeyCase{d4, u"4", kEnd, 0, u".", kRefuse, "separator in d4"},
        KeyCase{m1, u"1", kEnd, 0, u"2", kAccept, "second minute digit"},
        KeyCase{m1, u"12", kEnd, 0, u"3", kRefuse, "third minute digit"},
        KeyCase{m1, u"1", kEnd, 0, u",", kRefuse, "separator in minutes"},
        KeyCase{s1, u"12", kEnd, 0, u".", kAccept, "first separator"},
        KeyCase{s1, u"12.34", kEnd, 0, u"5", kAccept, "12.345: six units"},
        KeyCase{s1, u"12.345", kEnd, 0, u"6", kRefuse, "seventh unit"},
        KeyCase{s1, u"1234", kEnd, 0, u"5", kAccept, "five digits"},
        KeyCase{s1, u"12345", kEnd, 0, u".", kRefuse, "separator would make six"},
        KeyCase{s1, u"12345", 2, 0, u".", kRefuse, "separator inside, six units"},
        KeyCase{s1, u"12.3", kEnd, 0, u",", kRefuse, "second separator"},
        KeyCase{s1, u"12.3", kEnd, 0, u".", kRefuse, "second point"},
        KeyCase{s1, u"12.5", 2, 1, u",", kRefuse, "separator replaced by the other"},
        KeyCase{s1, u"12.5\"", kEnd, 0, u"3", kAccept, "digit after the mark, six units"},
        KeyCase{d5, u"123456789", kEnd, 0, u"0", kAccept, "ten digits"},
        KeyCase{d5, u"1234567890", kEnd, 0, u"1", kRefuse, "eleventh digit"},
        KeyCase{d5, u"123.123456", kEnd, 0, u"7", kAccept, "eleven with a separator"},
        KeyCase{d8, u"123.1234567", kEnd, 0, u"8", kRefuse, "twelfth unit"},
        KeyCase{d1, u"45\u00B0", kEnd, 0, u"6", kRefuse, "45° holds four units"},
        KeyCase{d1, u"45\u00B0", 2, 1, u"", kAccept, "deleting the degree mark"},
        KeyCase{d1, u"45", kEnd, 0, u"6", kAccept, "then a digit"},
        KeyCase{d5, u"12.345678900000003\u00B0", kEnd, 1, u"", kRefuse, "still too long"},
        KeyCase{d5, u"45.5041667\u00B0", 10, 1, u"", kAccept, "deletion within the limit"}));

INSTANTIATE_TEST_SUITE_P(
    Characters, KeystrokeFilterTest,
    ::testing::Values(KeyCase{s1, u"", kEnd, 0, u"1a", kRefuse, "digit and letter pasted"},
                      KeyCase{m3, u"", kEnd, 0, u"345", kAccept, "three digits pasted"},
                      KeyCase{s1, u"", kEnd, 0, u"12.5", kRefuse, "a number with separator pasted"},
                      KeyCase{s1, u"", kEnd, 0, u"..", kRefuse, "two separators pasted"},
                      KeyCase{m3, u"5", kEnd, 0, u"-", kRefuse, "minus"},
                      KeyCase{m3, u"5", 0, 0, u"+", kRefuse, "plus"},
                      KeyCase{m3, u"5", kEnd, 0, u" ", kRefuse, "blank"},
                      KeyCase{d5, u"5", kEnd, 0, u"\u00B0", kRefuse, "degree mark"},
                      KeyCase{d5, u"5", kEnd, 0, u"\u0663", kRefuse, "Arabic-Indic digit"},
                      KeyCase{d5, u"5", kEnd, 0, u"\uFF15", kRefuse, "fullwidth digit"},
                      KeyCase{d1, u"\U0001F600", kEnd, 0, u"5", kAccept,
                              "a surrogate pair counts two"},
                      KeyCase{d1, u"\U0001F6005", kEnd, 0, u"5", kRefuse, "2 + 1 + 1 units"},
                      KeyCase{d1, u"", kEnd, 0, u"\U0001F600", kRefuse, "emoji pasted"},
                      KeyCase{d1, u"1\U0001F600", 1, 2, u"", kAccept, "deleting the pair"}));

INSTANTIATE_TEST_SUITE_P(
    UnknownFieldAndRanges, KeystrokeFilterTest,
    ::testing::Values(
        KeyCase{std::nullopt, u"1", kEnd, 0, u"2", kAccept, "no active field: two units"},
        KeyCase{std::nullopt, u"12", kEnd, 0, u"3", kRefuse, "no active field: third unit"},
        KeyCase{std::nullopt, u"1", kEnd, 0, u".", kAccept, "no active field: a separator"},
        KeyCase{14, u"1.", kEnd, 0, u"1", kRefuse, "unknown tag: still two"},
        KeyCase{-1, u"", kEnd, 0, u",", kAccept, "negative tag: like unknown"},
        KeyCase{m3, u"12", 3, 0, u"3", kRefuse, "range starts past the end"},
        KeyCase{m3, u"12", 2, 1, u"", kRefuse, "range runs past the end"},
        KeyCase{m3, u"12", 1, kEnd, u"", kRefuse, "huge length"},
        KeyCase{m3, u"12", kEnd - 1, 2, u"3", kRefuse, "location near the top"},
        KeyCase{m3, u"12", 0, 2, u"", kAccept, "deleting everything"}));

} // namespace
} // namespace quorvane
