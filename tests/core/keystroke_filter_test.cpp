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
constexpr int d1 = 0, m1 = 1, s1 = 2, d2 = 3, m3 = 7, d5 = 10;

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
    {m1, u"12", kEnd, 0, u"3", No, "third minute digit"},
    {s1, u"12.34", kEnd, 0, u"5", Yes, "six units with a separator"},
    {s1, u"12.345", kEnd, 0, u"6", No, "seven units"},
    {s1, u"12345", kEnd, 0, u"6", No, "six digits without a separator"},
    {m3, u"1.5", kEnd, 0, u",", No, "a second separator"},
    {d5, u"123.123456", kEnd, 0, u"7", Yes, "eleven with a separator"},
    {d1, u"45\u00B0", kEnd, 0, u"6", No, "45°6 would be four units"},
    {d5, u"12.345678900000003\u00B0", 18, 1, u"", Yes, "a deletion leaving a text too long"},
    {s1, u"", kEnd, 0, u"12.5", No, "a number with separator pasted"},
    {d5, u"5", kEnd, 0, u"\u0663", No, "Arabic-Indic digit"},
    {kNone, u"12", kEnd, 0, u"3", No, "no active field: no third"},
    {m3, u"12", 2, 1, u"", No, "range runs past the end"},
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
