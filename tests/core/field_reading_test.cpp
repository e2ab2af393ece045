#include "core/field_reading.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvane {
namespace {

using F = FieldId;
constexpr double kOld = 7.25; // the value stored before the text is read

struct ReadCase {
    FieldId field;
    std::string text;
    double expected;
};

// clang-format off
const ReadCase kCases[] = {
    // Whole degrees and minutes: no comma reading, no folding, no zero for a bad text.
    {F::d1, "", kOld}, {F::d1, "045°", 45}, {F::d1, "4°6", kOld}, {F::d3, "999", 999},
    {F::d4, "12,5", kOld}, {F::d2, " 5", kOld}, {F::m1, "75", 75},
    // Seconds: "," is ".", values above 60 fold by tens, digits that do not parse read as 0.
    {F::s1, "12,5\"", 12.5}, {F::s1, "75\"", 7.5}, {F::s1, "60", 60}, {F::s1, "600", 60},
    {F::s1, "601", 6.01}, {F::s1, "12.5\"3", kOld}, {F::s1, "1,2,3", 0}, {F::s2, " 5", 0},
    {F::s1, "1e999", 0}, {F::s1, "inf\"", kOld},
    // Decimal minutes and degrees, limits 60, 90 and 180.
    {F::m3, ".", kOld}, {F::m3, ",5", 0.5}, {F::m4, "75", 7.5}, {F::d5, "123", 12.3},
    {F::d6, "1800", 180}, {F::d6, "181", 18.1}, {F::d8, "123", 123},
    {F::d7, "1234567890", 12.345678900000003}, {F::d5, "45,5°", 45.5}};
// clang-format on

TEST(ReadField, StoresTheValueOfTheText) {
    for (const ReadCase& c : kCases)
        EXPECT_EQ(readField(c.field, c.text, kOld).value, c.expected)
            << info(c.field).name << " \"" << c.text << '"';
}

} // namespace
} // namespace quorvane
