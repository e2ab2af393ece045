// Reading and writing numbers must not depend on the process locale. ctest runs this program
// under QUORVANE_TEST_LOCALE=C and =de_DE.UTF-8; every expected value is the "C" answer.
#include "core/field_reading.h"
#include "core/number_text.h"
#include "form_harness.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace quorvane::test {
namespace {

std::string g_locale;

TEST(Locale, TheProcessLocaleIsReallyInEffect) {
    // Under German the C library's own reading stops at the ".", so this test can tell.
    const bool german = g_locale.rfind("de_DE", 0) == 0;
    EXPECT_EQ(std::strtod("1.5", nullptr), german ? 1.0 : 1.5) << g_locale;
    EXPECT_STREQ(std::localeconv()->decimal_point, german ? "," : ".");
}

TEST(Locale, NumberReadingAndWritingIgnoreIt) {
    EXPECT_EQ(parseDouble("-3.25e-2").value, -0.0325);
    EXPECT_EQ(parseDouble("0x1.8p1").value, 3);
    EXPECT_EQ(parseDouble("123456789012345678901234567.5").value, 1.2345678901234568e26);
    EXPECT_EQ(parseDouble("1,5").error, ParseError::trailingCharacters);
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> value(-1000, 1000);
    for (int i = 0; i < 5000; ++i) {
        const double v = value(rng);
        char text[64];
        std::snprintf(text, sizeof text, "%.17e", v); // "%e" follows LC_NUMERIC: fix it up
        *std::strpbrk(text, ".,") = '.';
        ASSERT_EQ(parseDouble(text).value, v) << text;
    }
    EXPECT_EQ(readField(FieldId::s1, "12.5\"", 0).value, 12.5);
    EXPECT_EQ(readField(FieldId::d5, "48,8583701\u00B0", 0).value, 48.8583701);
    EXPECT_EQ(readField(FieldId::d5, "4512345", 0).value, 45.12344999999999);
    EXPECT_EQ(doubleText(1.5e-05).view(), "1.5e-05");
    EXPECT_EQ(doubleText(12.345678900000003).view(), "12.345678900000003");
    EXPECT_EQ(localDoubleText(45.5, DecimalMode::comma).view(), "45,5");
}

TEST(Locale, AConversionIgnoresIt) {
    Form point;
    ASSERT_TRUE(point.type(FieldId::d1, "48"));
    ASSERT_TRUE(point.type(FieldId::m1, "51"));
    ASSERT_TRUE(point.enter(FieldId::s1, "30,132"));
    EXPECT_EQ(point[FieldId::s1], "30.132\"");
    EXPECT_EQ(point[FieldId::m3], "51.5022'");
    EXPECT_EQ(point[FieldId::d7], "48.85837");
    Form comma(DecimalMode::comma);
    ASSERT_TRUE(comma.enter(FieldId::d7, "48.8583701"));
    EXPECT_EQ(comma[FieldId::s1], "30,132\"");
}

} // namespace
} // namespace quorvane::test

int main(int argc, char** argv) {
    const char* wanted = std::getenv("QUORVANE_TEST_LOCALE");
    quorvane::test::g_locale = wanted ? wanted : "C";
    if (std::setlocale(LC_ALL, quorvane::test::g_locale.c_str()) == nullptr) {
        std::fprintf(stderr,
                     "FAILED: setlocale(LC_ALL, \"%s\") returned null; generate it first "
                     "(localedef -i de_DE -f UTF-8 de_DE.UTF-8)\n",
                     quorvane::test::g_locale.c_str());
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
