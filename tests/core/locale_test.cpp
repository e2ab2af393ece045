// Reading and writing numbers must not depend on the process locale. ctest runs this program
// twice, with QUORVANE_TEST_LOCALE=C and with QUORVANE_TEST_LOCALE=de_DE.UTF-8; every expected
// value below is the "C" answer, so both runs must give the same ones.
#include "core/field_reading.h"
#include "core/number_text.h"
#include "form_harness.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace quorvane::test {
namespace {

std::string g_locale;

bool isGerman() {
    return g_locale.rfind("de_DE", 0) == 0;
}

TEST(Locale, TheProcessLocaleIsReallyInEffect) {
    // Under German the C library's own reading stops at the ".", so this test can tell.
    const double libc = std::strtod("1.5", nullptr);
    EXPECT_EQ(libc, isGerman() ? 1.0 : 1.5) << g_locale;
    EXPECT_STREQ(std::localeconv()->decimal_point, isGerman() ? "," : ".");
}

TEST(Locale, ParseDoubleIgnoresIt) {
    EXPECT_EQ(parseDouble("1.5").value, 1.5);
    EXPECT_EQ(parseDouble("-3.25e-2").value, -0.0325);
    EXPECT_EQ(parseDouble("0x1.8p1").value, 3);
    EXPECT_EQ(parseDouble("123456789012345678901234567.5").value, 1.2345678901234568e26);
    EXPECT_EQ(parseDouble("1,5").error, ParseError::trailingCharacters);
    EXPECT_EQ(parseDouble("1e999").error, ParseError::outOfRange);

    // Random values printed with 17 significant digits read back exactly.
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> value(-1000, 1000);
    for (int i = 0; i < 5000; ++i) {
        const double v = value(rng);
        char text[64];
        std::snprintf(text, sizeof text, "%.17e", v); // "%e" follows LC_NUMERIC: fix it up
        for (char& c : text)
            if (c == ',') c = '.';
        ASSERT_EQ(parseDouble(text).value, v) << text;
    }
}

TEST(Locale, FieldReadingAndNumberTextsIgnoreIt) {
    EXPECT_EQ(readField(FieldId::s1, "12,5\"", 0).value, 12.5);
    EXPECT_EQ(readField(FieldId::s1, "12.5\"", 0).value, 12.5);
    EXPECT_EQ(readField(FieldId::d5, "48,8583701\u00B0", 0).value, 48.8583701);
    EXPECT_EQ(readField(FieldId::d5, "4512345", 0).value, 45.12344999999999);
    EXPECT_EQ(readField(FieldId::m3, "51.50221'", 0).value, 51.50221);

    EXPECT_EQ(doubleText(45.5).view(), "45.5");
    EXPECT_EQ(doubleText(1.5e-05).view(), "1.5e-05");
    EXPECT_EQ(doubleText(12.345678900000003).view(), "12.345678900000003");
    EXPECT_EQ(localDoubleText(45.5, DecimalMode::point).view(), "45.5");
    EXPECT_EQ(localDoubleText(45.5, DecimalMode::comma).view(), "45,5");
}

TEST(Locale, AConversionIgnoresIt) {
    Form comma(DecimalMode::comma);
    ASSERT_TRUE(comma.enter(FieldId::d7, "48.8583701"));
    EXPECT_EQ(comma[FieldId::d5], "48,8583701" + kDeg);
    EXPECT_EQ(comma[FieldId::s1], "30,132" + kSec);
    EXPECT_EQ(comma[FieldId::m3], "51,50221'");

    Form point(DecimalMode::point);
    ASSERT_TRUE(point.type(FieldId::d1, "48"));
    ASSERT_TRUE(point.type(FieldId::m1, "51"));
    ASSERT_TRUE(point.enter(FieldId::s1, "30,132"));
    EXPECT_EQ(point[FieldId::s1], "30.132" + kSec);
    EXPECT_EQ(point[FieldId::m3], "51.5022'");
    EXPECT_EQ(point[FieldId::d7], "48.85837");
}

} // namespace
} // namespace quorvane::test

int main(int argc, char** argv) {
    const char* wanted = std::getenv("QUORVANE_TEST_LOCALE");
    quorvane::test::g_locale = wanted ? wanted : "C";
    if (std::setlocale(LC_ALL, quorvane::test::g_locale.c_str()) == nullptr) {
        std::fprintf(stderr,
                     "FAILED: setlocale(LC_ALL, \"%s\") returned null; generate the locale first "
                     "(localedef -i de_DE -f UTF-8 de_DE.UTF-8)\n",
                     quorvane::test::g_locale.c_str());
        return 1;
    }
    std::printf("process locale: %s\n", quorvane::test::g_locale.c_str());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
