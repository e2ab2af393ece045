#include "core/field_reading.h"
#include "core/memory_platform.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvane {
namespace {

struct ReadCase {
    FieldId field;
    std::string text;
    double previous;
    double expected;
};

constexpr double kOld = 7.25; // the value stored before the text was read

std::ostream& operator<<(std::ostream& os, const ReadCase& c) {
    return os << info(c.field).name << " \"" << c.text << '"';
}

class ReadFieldTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadFieldTest, StoresTheValueOfTheText) {
    const ReadCase& c = GetParam();
    const FieldReading r = readField(c.field, c.text, c.previous);
    EXPECT_EQ(r.value, c.expected);
}

using F = FieldId;
const std::string S = "\"";
const std::string D = "\u00B0";

INSTANTIATE_TEST_SUITE_P(
    WholeDegreesAndMinutes, ReadFieldTest,
    ::testing::Values(ReadCase{F::d1, "", kOld, kOld}, // empty: value stays
                      ReadCase{F::d1, "45" + D, kOld, 45}, ReadCase{F::d1, "045", kOld, 45},
                      ReadCase{F::d1, D, kOld, kOld},         // digits deleted, mark kept
                      ReadCase{F::d1, "4" + D + "6", 45, 45}, // last char goes, "4°" fails
                      ReadCase{F::d3, "999", kOld, 999},      // no folding
                      ReadCase{F::d4, "12,5", kOld, kOld},    // no comma reading, no zero
                      ReadCase{F::d2, " 5", kOld, kOld},
                      ReadCase{F::d1, "\u0664\u0665", kOld, kOld}, // Arabic-Indic digits
                      ReadCase{F::d1, "1e999", kOld, kOld},
                      ReadCase{F::d1, "inf" + D, kOld, kOld}, // not finite: does not parse
                      ReadCase{F::m1, "30'", kOld, 30}, ReadCase{F::m2, "3'0", 30, 30},
                      ReadCase{F::m1, "75", kOld, 75}, ReadCase{F::m1, "'", kOld, kOld}));

INSTANTIATE_TEST_SUITE_P(
    Seconds, ReadFieldTest,
    ::testing::Values(ReadCase{F::s1, "15" + S, kOld, 15}, ReadCase{F::s1, "12,5" + S, kOld, 12.5},
                      ReadCase{F::s2, "12.5" + S, kOld, 12.5}, ReadCase{F::s1, "75", kOld, 7.5},
                      ReadCase{F::s1, "75" + S, kOld, 7.5}, // folded with a mark as well
                      ReadCase{F::s1, "60", kOld, 60},      // the limit itself stays
                      ReadCase{F::s1, "60,0" + S, kOld, 60}, ReadCase{F::s1, "12345", kOld, 12.345},
                      ReadCase{F::s1, "600", kOld, 60}, ReadCase{F::s1, "601", kOld, 6.01},
                      ReadCase{F::s1, "12.5" + S + "3", kOld, kOld}, // digit after the mark
                      ReadCase{F::s1, "1,2,3", kOld, 0},             // digits that do not parse: 0
                      ReadCase{F::s2, " 5", kOld, 0}, ReadCase{F::s1, "\u0664\u0665", kOld, 0},
                      ReadCase{F::s1, "1e999", kOld, 0},
                      ReadCase{F::s1, "nan(1)", kOld, 0}, // not finite, with a digit: 0
                      ReadCase{F::s1, "inf" + S, kOld, kOld},
                      ReadCase{F::s1, "inf", kOld, kOld}, // no digit at all
                      ReadCase{F::s1, "", kOld, kOld}));

INSTANTIATE_TEST_SUITE_P(
    DecimalMinutesAndDegrees, ReadFieldTest,
    ::testing::Values(
        ReadCase{F::m3, ".", kOld, kOld}, ReadCase{F::m4, ",", kOld, kOld},
        ReadCase{F::m3, "5.", kOld, 5}, ReadCase{F::m3, ",5", kOld, 0.5},
        ReadCase{F::m4, "75", kOld, 7.5}, ReadCase{F::m3, "51,50221'", kOld, 51.50221},
        ReadCase{F::d5, "123", kOld, 12.3}, ReadCase{F::d6, "181", kOld, 18.1},
        ReadCase{F::d6, "1800", kOld, 180}, ReadCase{F::d8, "123", kOld, 123},
        ReadCase{F::d5, "9999999999", kOld, 9.999999999},
        ReadCase{F::d5, "4512345", kOld, 45.12344999999999},
        ReadCase{F::d7, "1234567890", kOld, 12.345678900000003},
        ReadCase{F::d7, "5e-05", kOld, 0.00005}, ReadCase{F::d7, "48.8583701", kOld, 48.8583701},
        ReadCase{F::d5, "45,5" + D, kOld, 45.5}, ReadCase{F::d5, "nan(9)" + D, kOld, kOld}));

// One pass over a view reads every field by its own kind and limit.
TEST(ReadFieldValues, ReadsEachFieldByItsKind) {
    MemoryFormView view;
    for (const FieldInfo& f : kFields)
        view.setText(f.id, "123");
    FieldValues values;
    readFieldValues(view, values);
    const double expected[kFieldCount] = {123,  123, 12.3, 123,  123, 12.3, 123,
                                          12.3, 123, 12.3, 12.3, 123, 12.3, 123};
    for (const FieldInfo& f : kFields)
        EXPECT_EQ(values[f.id], expected[f.tag]) << f.name;

    // Emptied fields keep what they held; the others follow their new text.
    for (const FieldInfo& f : kFields)
        view.setText(f.id, f.tag % 2 == 0 ? "" : "5");
    readFieldValues(view, values);
    for (const FieldInfo& f : kFields)
        EXPECT_EQ(values[f.id], f.tag % 2 == 0 ? expected[f.tag] : 5) << f.name;
}

} // namespace
} // namespace quorvane
