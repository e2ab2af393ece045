#include "core/keystroke_filter.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace quorvane {
namespace {

constexpr auto Yes = FilterDecision::accept;
constexpr auto No = FilterDecision::refuse;
constexpr std::size_t kEnd = std::numeric_limits<std::size_t>::max(); // after the last unit
constexpr std::optional<int> kNone;
constexpr int d1 = 0, m1 = 1, s1 = 2, d2 = 3, m3 = 7, d4 = 8, d5 = 10, d8 = 13;

struct KeyCase {
    std::optional<int> tag;
    std::u16string current;
    std::size_t location;
    std::size_t length;
    std::u16string replacement;
    FilterDecision expected;
    const char* why;
};

// clang-format off
const KeyCase kCases[] = {
    {d1, u"456", kEnd, 0, u"7", No, "fourth degree digit"},
    {d2, u"45", kEnd, 0, u",", No, "separator in whole degrees"},
    {d4, u"4", kEnd, 0, u".", No, "separator in d4"},
    {m1, u"12", kEnd, 0, u"3", No, "third minute digit"},
    {m1, u"1", kEnd, 0, u",", No, "separator in whole minutes"},
    {s1, u"12", kEnd, 0, u".", Yes, "first separator"},
    {s1, u"12.34", kEnd, 0, u"5", Yes, "six units with a separator"},
    {s1, u"12.345", kEnd, 0, u"6", No, "seven units"},
    {s1, u"12345", kEnd, 0, u"6", No, "six digits without a separator"},
    {s1, u"12345", 2, 0, u".", No, "a separator would make six"},
    {s1, u"12.5", 2, 1, u",", No, "separator replaced by the other"},
    {s1, u"12.5\"", kEnd, 0, u"3", Yes, "digit after the mark, six units"},
    {d5, u"1234567890", kEnd, 0, u"1", No, "eleventh digit"},
    {d5, u"123.123456", kEnd, 0, u"7", Yes, "eleven with a separator"},
    {d8, u"123.1234567", kEnd, 0, u"8", No, "twelfth unit"},
    {d1, u"45\u00B0", kEnd, 0, u"6", No, "45°6 would be four units"},
    {d1, u"45\u00B0", 2, 1, u"", Yes, "deleting the degree mark"},
    {d5, u"12.345678900000003\u00B0", 18, 1, u"", Yes, "a deletion leaving a text too long"},
    {m3, u"1.0193699999999999'", 0, 3, u"", Yes, "a selection deleted from a text too long"},
    {d1, u"", 0, 0, u"", Yes, "nothing replaced by nothing"},
    {m3, u"", kEnd, 0, u"345", Yes, "three digits pasted"},
    {s1, u"", kEnd, 0, u"12.5", No, "a number with separator pasted"},
    {m3, u"5", kEnd, 0, u" ", No, "blank"},
    {d5, u"5", kEnd, 0, u"\u0663", No, "Arabic-Indic digit"},
    {d1, u"\U0001F600", kEnd, 0, u"5", Yes, "a surrogate pair counts two"},
    {kNone, u"12", kEnd, 0, u"3", No, "no active field: no third"},
    {kNone, u"1", kEnd, 0, u".", Yes, "no active field: a separator"},
    {14, u"1.", kEnd, 0, u"1", No, "unknown tag: two units"},
    {m3, u"12", 2, 1, u"", No, "range runs past the end"},
    {m3, u"12", kEnd - 1, 2, u"3", No, "location near the top"},
};
// clang-format on

TEST(KeystrokeFilter, Decides) {
    for (const KeyCase& c : kCases) {
        const Utf16Range range{c.location == kEnd ? c.current.size() : c.location, c.length};
        EXPECT_EQ(filterKeystroke(c.tag, c.current, range, c.replacement), c.expected) << c.why;
    }
}

} // namespace
} // namespace quorvane
