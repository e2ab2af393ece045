// Reading and writing numbers must not depend on the process locale. ctest runs this program
// under QUORVANE_TEST_LOCALE=C and =de_DE.UTF-8; every expected value is the "C" answer.
#include "core/field_reading.h"
#include "core/number_text.h"
#include "form_harness.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
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

TEST(Locale, NumbersAndAConversionIgnoreIt) {
    EXPECT_EQ(parseDouble("-3.25e-2").value, -0.0325);
    EXPECT_EQ(parseDouble("1,5").error, ParseError::trailingCharacters);
    EXPECT_EQ(readField(FieldId::d5, "48,8583701\u00B0", 0).value, 48.8583701);
    EXPECT_EQ(doubleText(1.5e-05).view(), "1.5e-05");
    Form point;
    ASSERT_TRUE(point.type(FieldId::d1, "48"));
    ASSERT_TRUE(point.type(FieldId::m1, "51"));
    ASSERT_TRUE(point.enter(FieldId::s1, "30,132"));
    EXPECT_EQ(point[FieldId::m3] + " " + point[FieldId::d7], "51.5022' 48.85837");
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
