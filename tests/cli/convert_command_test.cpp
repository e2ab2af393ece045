// `quorvane convert` as a user runs it: arguments in, copy lines or form texts out, messages and
// exit status for what cannot be read, and the line-by-line stream.
#include "app/convert_command.h"
#include "app/convert_stream.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quorvane {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string contents(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;)
        text.append(chunk, n);
    return text;
}

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun convert(const std::vector<std::string>& args, const std::string& input = "") {
    File in(std::tmpfile());
    File out(std::tmpfile());
    File err(std::tmpfile());
    std::fwrite(input.data(), 1, input.size(), in.get());
    std::rewind(in.get());
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    const int status = runConvertCommand(static_cast<int>(argv.size()), argv.data(), in.get(),
                                         out.get(), err.get());
    return {status, contents(out.get()), contents(err.get())};
}

const std::string D = "\u00B0"; // degree mark
const std::string S = "\"";     // seconds mark

// ---- Copy lines ---------------------------------------------------------------------------

struct CopyCase {
    std::vector<std::string> args;
    std::string lines; // the four copy lines
};

std::ostream& operator<<(std::ostream& os, const CopyCase& c) {
    return os << c.args.back();
}

class CopyLinesTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyLinesTest, PrintsTheFourNotationsOfTheConvertedForm) {
    const CommandRun r = convert(GetParam().args);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, GetParam().lines);
}

// Latitude 45° 30' 15" is 30.25 minutes and 45.5041667 degrees; longitude 73° 20' 30" is 20.5
// minutes and 73.3416667 degrees.
const std::string kExampleLines = "45" + D + " 30' 15.0" + S + " N, 73" + D + " 20' 30.0" + S +
                                  " W\n" + "45" + D + " 30.25' N, 73" + D + " 20.5' W\n" +
                                  "45.5041667" + D + " N, 73.3416667" + D + " W\n" +
                                  "45.5041667, -73.3416667\n";

INSTANTIATE_TEST_SUITE_P(
    FromEveryNotation, CopyLinesTest,
    ::testing::Values(
        CopyCase{
            {"--decimal-point", "45" + D + " 30' 15" + S + " N, 73" + D + " 20' 30" + S + " W"},
            kExampleLines},
        CopyCase{{"--decimal-point", "45 30 15 N, 73 20 30 W"}, kExampleLines},
        CopyCase{{"--decimal-point", "45" + D + " 30.25' N, 73" + D + " 20.5' W"}, kExampleLines},
        CopyCase{{"--decimal-point", "45.5041667" + D + " N, 73.3416667" + D + " W"},
                 kExampleLines},
        CopyCase{{"--decimal-point", "45.5041667, -73.3416667"}, kExampleLines},
        // Several words are one position; a leading "-" starts a number, not an option.
        CopyCase{{"--decimal-point", "45.5041667,", "-73.3416667"}, kExampleLines},
        CopyCase{{"--decimal-point", "--", "45.5041667, -73.3416667"}, kExampleLines},
        // Copy lines use "." whatever the form writes.
        CopyCase{{"--decimal-comma", "45" + D + " 30,25' N, 73" + D + " 20,5' W"}, kExampleLines},
        CopyCase{{"--decimal-point", "-45.5, 73.25"},
                 "45" + D + " 30' 0.0" + S + " S, 73" + D + " 15' 0.0" + S + " E\n" + "45" + D +
                     " 30.0' S, 73" + D + " 15.0' E\n" + "45.5" + D + " S, 73.25" + D + " E\n" +
                     "-45.5, 73.25\n"}));

// ---- The form's texts ---------------------------------------------------------------------

struct FieldsCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> fields; // d1 m1 s1 d2 m2 s2 d3 m3 d4 m4 d5 d6 d7 d8
    std::vector<int> selectors;      // c1 .. c8
};

std::ostream& operator<<(std::ostream& os, const FieldsCase& c) {
    return os << c.name;
}

std::string fieldsOutput(const FieldsCase& c) {
    static const std::vector<std::string> names{"d1", "m1", "s1", "d2", "m2", "s2", "d3",
                                                "m3", "d4", "m4", "d5", "d6", "d7", "d8"};
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += names[i] + "\t" + c.fields[i] + "\n";
    for (std::size_t i = 0; i < c.selectors.size(); ++i)
        out += "c" + std::to_string(i + 1) + "\t" + std::to_string(c.selectors[i]) + "\n";
    return out;
}

class FieldsTest : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(FieldsTest, ShowsWhatTheFormShows) {
    std::vector<std::string> args{"--fields"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CommandRun r = convert(args);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, fieldsOutput(GetParam()));
}

const std::vector<int> kNorthEast{0, 0, 0, 0, 0, 0, 0, 0};
const std::vector<int> kNorthWest{0, 1, 0, 1, 0, 1, 0, 1};
const std::vector<int> kSouthEast{1, 0, 1, 0, 1, 0, 1, 0};
const std::vector<std::string> kZeroDmsLongitude{"0" + D, "0'", "0.0" + S};

// The form's stated conversions, entered through the notation each starts from. The longitude
// half is zero unless a case needs it; zero degrees show as 0°, 0', 0.0", 0.0', 0.0° and 0.0.
INSTANTIATE_TEST_SUITE_P(
    StatedConversions, FieldsTest,
    ::testing::Values(
        FieldsCase{"SecondsRowConvertsIntoTheOtherRows",
                   {"--decimal-point", "45" + D + " 30' 15" + S + " N, 0" + D + " 0' 0" + S + " E"},
                   {"45" + D, "30'", "15.0" + S, "0" + D, "0'", "0.0" + S, "45" + D, "30.25'",
                    "0" + D, "0.0'", "45.5041667" + D, "0.0" + D, "45.5041667", "0.0"},
                   kNorthEast},
        FieldsCase{"SecondsRoundedOnlyInTheFraction",
                   {"--decimal-point", "48 51 30.132 N, 0 0 0 E"},
                   {"48" + D, "51'", "30.132" + S, "0" + D, "0'", "0.0" + S, "48" + D, "51.5022'",
                    "0" + D, "0.0'", "48.85837" + D, "0.0" + D, "48.85837", "0.0"},
                   kNorthEast},
        FieldsCase{"TinyDegreesInExponentForm",
                   {"--decimal-point", "0 0 0.18 N, 0 0 0 E"},
                   {"0" + D, "0'", "0.18" + S, "0" + D, "0'", "0.0" + S, "0" + D, "0.003'", "0" + D,
                    "0.0'", "5e-05" + D, "0.0" + D, "5e-05", "0.0"},
                   kNorthEast},
        FieldsCase{"TinyDegreesInCommaMode",
                   {"--decimal-comma", "0 0 0.18 N, 0 0 0 E"},
                   {"0" + D, "0'", "0,18" + S, "0" + D, "0'", "0,0" + S, "0" + D, "0,003'", "0" + D,
                    "0,0'", "5e-05" + D, "0,0" + D, "5e-05", "0,0"},
                   kNorthEast},
        FieldsCase{"SixtySecondsAreKeptAndMakeSixtyMinutes",
                   {"--decimal-point", "45 59 60 N, 0 0 0 E"},
                   {"45" + D, "59'", "60.0" + S, "0" + D, "0'", "0.0" + S, "45" + D, "60.0'",
                    "0" + D, "0.0'", "46.0" + D, "0.0" + D, "46.0", "0.0"},
                   kNorthEast},
        FieldsCase{"SeparatorTypedDoesNotMatterPointMode",
                   {"--decimal-point", "0 0 12,5 N, 0 0 12.5 E"},
                   {"0" + D, "0'", "12.5" + S, "0" + D, "0'", "12.5" + S, "0" + D, "0.20833'",
                    "0" + D, "0.20833'", "0.0034722" + D, "0.0034722" + D, "0.0034722",
                    "0.0034722"},
                   kNorthEast},
        FieldsCase{"SeparatorTypedDoesNotMatterCommaMode",
                   {"--decimal-comma", "0 0 12,5 N, 0 0 12.5 E"},
                   {"0" + D, "0'", "12,5" + S, "0" + D, "0'", "12,5" + S, "0" + D, "0,20833'",
                    "0" + D, "0,20833'", "0,0034722" + D, "0,0034722" + D, "0,0034722",
                    "0,0034722"},
                   kNorthEast},
        FieldsCase{"WholeDegreesKeepTheirDigitsAsTyped",
                   {"--decimal-point", "045 30 15 N, 0 0 0 E"},
                   {"045" + D, "30'", "15.0" + S, "0" + D, "0'", "0.0" + S, "045" + D, "30.25'",
                    "0" + D, "0.0'", "45.5041667" + D, "0.0" + D, "45.5041667", "0.0"},
                   kNorthEast},
        FieldsCase{"DecimalMinutesRowConvertsIntoTheOtherRows",
                   {"--decimal-point", "45" + D + " 30.25' N, 73" + D + " 20.5' W"},
                   {"45" + D, "30'", "15.0" + S, "73" + D, "20'", "30.0" + S, "45" + D, "30.25'",
                    "73" + D, "20.5'", "45.5041667" + D, "73.3416667" + D, "45.5041667",
                    "73.3416667"},
                   kNorthWest},
        FieldsCase{"DecimalMinutesJustBelowSixty",
                   {"--decimal-point", "12 59.99999 N, 0 0 E"},
                   {"12" + D, "59'", "59.999" + S, "0" + D, "0'", "0.0" + S, "12" + D, "59.99999'",
                    "0" + D, "0.0'", "12.9999997" + D, "0.0" + D, "12.9999997", "0.0"},
                   kNorthEast},
        FieldsCase{"DecimalDegreesSplitIntoTheOtherRows",
                   {"--decimal-point", "45.5041667" + D + " N, 0" + D + " E"},
                   {"45" + D, "30'", "15.0" + S, "0" + D, "0'", "0.0" + S, "45" + D, "30.25'",
                    "0" + D, "0.0'", "45.5041667" + D, "0.0" + D, "45.5041667", "0.0"},
                   kNorthEast},
        // 10.1 is 10° 5.999999999999979' as a double: the rounded 60 seconds carry into a
        // whole minute instead of showing 10° 5' 60.0".
        FieldsCase{"RoundedSixtySecondsCarryIntoTheMinutes",
                   {"--decimal-point", "10.1" + D + " N, 0" + D + " E"},
                   {"10" + D, "6'", "0.0" + S, "0" + D, "0'", "0.0" + S, "10" + D, "6.0'", "0" + D,
                    "0.0'", "10.1" + D, "0.0" + D, "10.1", "0.0"},
                   kNorthEast},
        // 45.9999999: the seconds carry up to a whole degree; the decimal minutes round to
        // 59.99999, below 60, and carry nothing.
        FieldsCase{"CarryReachesTheDegrees",
                   {"--decimal-point", "-45.9999999, 10"},
                   {"46" + D, "0'", "0.0" + S, "10" + D, "0'", "0.0" + S, "45" + D, "59.99999'",
                    "10" + D, "0.0'", "45.9999999" + D, "10.0" + D, "45.9999999", "10.0"},
                   kSouthEast},
        FieldsCase{"SignedDegreesInCommaMode",
                   {"--decimal-comma", "48.8583701, 2.2944813"},
                   {"48" + D, "51'", "30,132" + S, "2" + D, "17'", "40,133" + S, "48" + D,
                    "51,50221'", "2" + D, "17,66888'", "48,8583701" + D, "2,2944813" + D,
                    "48,8583701", "2,2944813"},
                   kNorthEast},
        FieldsCase{"CommaTypedIntoTheDecimalMinutesInCommaMode",
                   {"--decimal-comma", "45" + D + " 30,25' N, 73" + D + " 20,5' W"},
                   {"45" + D, "30'", "15,0" + S, "73" + D, "20'", "30,0" + S, "45" + D, "30,25'",
                    "73" + D, "20,5'", "45,5041667" + D, "73,3416667" + D, "45,5041667",
                    "73,3416667"},
                   kNorthWest}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ConvertLocaleTest, WithoutAnOptionTheLocaleChoosesTheFormsSeparator) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved ? saved : "";
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    const CommandRun german = convert({"--fields", "-45.5, 73.25"});
    setenv("LC_ALL", "C", 1);
    const CommandRun plain = convert({"--fields", "-45.5, 73.25"});
    if (saved)
        setenv("LC_ALL", restore.c_str(), 1);
    else
        unsetenv("LC_ALL");
    EXPECT_NE(german.out.find("d7\t45,5\n"), std::string::npos) << german.out;
    EXPECT_NE(plain.out.find("d7\t45.5\n"), std::string::npos) << plain.out;
}

struct LocaleCase {
    const char* lcAll;
    const char* lcNumeric;
    const char* lang;
    DecimalMode mode;
};

class LocaleTableTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleTableTest, FirstSetVariableNamesTheLocale) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(decimalModeOfLocale(c.lcAll, c.lcNumeric, c.lang), c.mode)
        << c.lcAll << " | " << c.lcNumeric << " | " << c.lang;
}

constexpr auto kPoint = DecimalMode::point;
constexpr auto kComma = DecimalMode::comma;

INSTANTIATE_TEST_SUITE_P(
    Variables, LocaleTableTest,
    ::testing::Values(
        LocaleCase{"", "", "", kPoint}, LocaleCase{"C", "", "de_DE.UTF-8", kPoint},
        LocaleCase{"POSIX", "", "", kPoint}, LocaleCase{"C.UTF-8", "", "", kPoint},
        LocaleCase{"", "de_DE.UTF-8", "en_US.UTF-8", kComma},
        LocaleCase{"", "en_US.UTF-8", "de_DE.UTF-8", kPoint},
        LocaleCase{"", "", "fr_FR.UTF-8", kComma}, LocaleCase{"fr_FR@euro", "", "", kComma},
        LocaleCase{"de", "", "", kComma}, LocaleCase{"es_ES.UTF-8", "", "", kComma},
        LocaleCase{"es_MX.UTF-8", "", "", kPoint}, LocaleCase{"de_CH.UTF-8", "", "", kPoint},
        LocaleCase{"de_AT.UTF-8", "", "", kComma}, LocaleCase{"it_IT", "", "", kComma},
        LocaleCase{"nl_NL", "", "", kComma}, LocaleCase{"pt_BR.UTF-8", "", "", kComma},
        LocaleCase{"ru_RU.UTF-8", "", "", kComma}, LocaleCase{"pl_PL.UTF-8", "", "", kComma},
        LocaleCase{"sv_SE.UTF-8", "", "", kComma}, LocaleCase{"en_GB.UTF-8", "", "", kPoint},
        LocaleCase{"en_DK.UTF-8", "", "", kComma}, LocaleCase{"ja_JP.UTF-8", "", "", kPoint},
        LocaleCase{"zh_CN.UTF-8", "", "", kPoint}));

// ---- What cannot be read ------------------------------------------------------------------

struct RefusalCase {
    const char* name;
    std::string position;
    std::string message; // after "quorvane convert: cannot read "<position>": "
};

std::ostream& operator<<(std::ostream& os, const RefusalCase& c) {
    return os << c.name;
}

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, QuotesTheInputNamesTheProblemAndExitsWithTwo) {
    const RefusalCase& c = GetParam();
    const CommandRun r = convert({"--decimal-point", c.position});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "quorvane convert: cannot read \"" + c.position + "\": " + c.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    EveryErrorClass, RefusalTest,
    ::testing::Values(
        RefusalCase{"LatitudeAbove90", "91, 10",
                    "latitude \"91\" is out of range: latitude goes from 0 to 90 degrees"},
        RefusalCase{"LongitudeAbove180", "45.5" + D + " N, 180.5" + D + " E",
                    "longitude \"180.5\" is out of range: longitude goes from 0 to 180 degrees"},
        RefusalCase{"SumAbove90", "90 0 1 N, 0 0 0 E",
                    "latitude \"90 0 1 N\" is out of range: latitude goes from 0 to 90 degrees"},
        RefusalCase{"WholeMinutesAbove60", "45 61 0 N, 0 0 0 E",
                    "minutes of latitude \"61\" is out of range: whole minutes go from 0 to 60"},
        RefusalCase{"MinutesAndSecondsAbove60", "45 60 1 N, 0 0 0 E",
                    "minutes and seconds of latitude \"60 1\" is out of range: together they "
                    "make at most 60 minutes (60' 0\" or 59' 60\")"},
        RefusalCase{"DecimalMinutesAbove60", "45 60.5 N, 0 0 E",
                    "minutes of latitude \"60.5\" is out of range: decimal minutes go from 0 to "
                    "60"},
        RefusalCase{"SecondsAbove60", "45 30 75 N, 0 0 0 E",
                    "seconds of latitude \"75\" is out of range: seconds go from 0 to 60"},
        RefusalCase{"DecimalsInWholeDegrees", "45.5 30 N, 0 0 E",
                    "degrees of latitude \"45.5\" must be a whole number (digits only) when more "
                    "numbers follow"},
        RefusalCase{"NegativeWithLetters", "-45 30 N, 73 20 W",
                    "signed number \"-45\" in the latitude with a hemisphere letter: the numbers "
                    "are magnitudes and the letter gives the hemisphere, as in 45° 30' S"},
        RefusalCase{"MissingHalf", "45.5041667",
                    "no \",\" between latitude and longitude (write LATITUDE, LONGITUDE)"},
        RefusalCase{"EmptyHalf", "45.5 N,", "no number in the longitude"},
        RefusalCase{"UnknownHemisphere", "45.5 Q, 73.25 W",
                    "unknown hemisphere \"Q\" in the latitude: latitude takes N or S"},
        RefusalCase{"StrayCharacters", "45.5 N, 73.25 W!",
                    "unexpected character \"!\" in the longitude"},
        RefusalCase{"MixedNotations", "45 30 15 N, 73.25 W",
                    "the latitude is written in degrees, minutes and seconds but the longitude in "
                    "decimal degrees with a hemisphere letter: write both halves in one notation"},
        RefusalCase{"AmbiguousCommas", "45,5,73,25",
                    "cannot tell which comma separates latitude and longitude: write \", \" "
                    "(comma and blank) between them"},
        RefusalCase{"NotANumber", "45..5, 10", "\"45..5\" in the latitude is not a number"},
        RefusalCase{"NothingButBlanks", "   ", "no position given"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ConvertCommandTest, ControlCharactersAreEscapedInTheQuote) {
    const CommandRun r = convert({"45\x01, 10"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "quorvane convert: cannot read \"45\\x01, 10\": unexpected character "
                     "\"\\x01\" in the latitude\n");
}

// ---- Usage --------------------------------------------------------------------------------

struct UsageCase {
    std::vector<std::string> args;
    std::string problem;
};

std::ostream& operator<<(std::ostream& os, const UsageCase& c) {
    return os << c.problem;
}

class UsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageTest, ExplainsAndPointsToTheHelp) {
    const CommandRun r = convert(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "quorvane convert: " + GetParam().problem + "\nTry \"quorvane convert --help\".\n");
}

INSTANTIATE_TEST_SUITE_P(
    Misuse, UsageTest,
    ::testing::Values(UsageCase{{}, "no POSITION given"},
                      UsageCase{{"--fields"}, "no POSITION given"},
                      UsageCase{{"--frobnicate", "45, 10"}, "unknown option \"--frobnicate\""},
                      UsageCase{{"-x"}, "unknown option \"-x\""},
                      UsageCase{{"--decimal-comma", "--decimal-point", "45, 10"},
                                "--decimal-comma and --decimal-point exclude each other"},
                      UsageCase{{"-", "45, 10"}, "give either a POSITION or \"-\", not both"},
                      UsageCase{{"-", "-"}, "\"-\" given twice"},
                      UsageCase{{"--fields", "-"},
                                "--fields shows one form: give a POSITION, not \"-\""}));

TEST(ConvertCommandTest, HelpDescribesTheInputAndTheOptions) {
    const CommandRun r = convert({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, convertHelpText());
    for (const char* word : {"Usage: quorvane convert", "--fields", "--decimal-comma",
                             "--decimal-point", "LC_NUMERIC", "0 to 60", "60' 1\"", "Exit status"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

// ---- The stream ---------------------------------------------------------------------------

const std::string kLine1 = "45" + D + " 30' 0.0" + S + " N, 73" + D + " 15' 0.0" + S + " E\t" +
                           "45" + D + " 30.0' N, 73" + D + " 15.0' E\t" + "45.5" + D + " N, 73.25" +
                           D + " E\t" + "45.5, 73.25\n";
const std::string kLine3 = "10" + D + " 0' 0.0" + S + " S, 20" + D + " 0' 0.0" + S + " E\t" + "10" +
                           D + " 0.0' S, 20" + D + " 0.0' E\t" + "10.0" + D + " S, 20.0" + D +
                           " E\t" + "-10.0, 20.0\n";

TEST(ConvertStreamTest, BadLineInTheMiddleGivesAnEmptyLineAndExitOne) {
    const CommandRun r = convert({"--decimal-point", "-"}, "45.5, 73.25\n45.5, 73.25 X\n-10, 20\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kLine1 + "\n" + kLine3);
    EXPECT_EQ(r.err, "quorvane convert: line 2: cannot read \"45.5, 73.25 X\": unknown hemisphere "
                     "\"X\" in the longitude: longitude takes E or W\n");
}

TEST(ConvertStreamTest, AllGoodLinesExitZero) {
    const CommandRun r = convert({"--decimal-point", "-"}, "45.5, 73.25\n-10, 20\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, kLine1 + kLine3);
}

TEST(ConvertStreamTest, LineEndsAndALastLineWithoutEnd) {
    const CommandRun r = convert({"--decimal-point", "-"}, "45.5, 73.25\r\n\n-10, 20");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kLine1 + "\n" + kLine3);
    EXPECT_EQ(r.err, "quorvane convert: line 2: cannot read \"\": no position given\n");
}

TEST(ConvertStreamTest, EmptyInputWritesNothing) {
    const CommandRun r = convert({"-"}, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

TEST(ConvertStreamTest, OverlongLineIsSkippedAndTheRestGoesOn) {
    const std::string huge(100000, '5');
    const CommandRun r = convert({"--decimal-point", "-"}, "45.5, 73.25\n" + huge + "\n-10, 20\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kLine1 + "\n" + kLine3);
    EXPECT_EQ(r.err, "quorvane convert: line 2: longer than 4096 bytes, not read\n");
}

// Every line is converted on an empty form: nothing of one position leaks into the next, so a
// stream gives, line by line, what single conversions give.
TEST(ConvertStreamTest, EachLineIsConvertedOnAFreshForm) {
    const std::vector<std::string> positions{"45 30 15 S, 73 20 30 W",    "10.1 N, 0 E",
                                             "0 0.5 N, 0 0.25 E",         "-45.9999999, 10",
                                             "48 51 30.132 N, 2 17 40 E", "89 59 60 S, 179 59 60 W",
                                             "5e-05, -1.5e-05",           "12 59.99999 S, 1 1 W"};
    std::string input;
    std::string expected;
    for (const std::string& p : positions) {
        input += p + "\n";
        CommandRun single = convert({"--decimal-comma", p});
        ASSERT_EQ(single.status, 0) << p << ": " << single.err;
        for (char& c : single.out)
            if (c == '\n') c = '\t';
        single.out.back() = '\n';
        expected += single.out;
    }
    const CommandRun stream = convert({"--decimal-comma", "-"}, input);
    EXPECT_EQ(stream.status, 0);
    EXPECT_EQ(stream.out, expected);
}

// Enough lines for several blocks of input, bad ones scattered, converted by one or several
// workers: the output keeps one line per input line, in order, and the messages name the right
// line numbers.
TEST(ConvertStreamTest, ManyLinesStayAlignedWhateverTheNumberOfWorkers) {
    constexpr int kLines = 30000;
    std::string input;
    std::string expected;
    std::string expectedMessages;
    for (int i = 1; i <= kLines; ++i) {
        const bool bad = i % 7919 == 0 || i == kLines;
        input += bad ? "bad\n" : "-10, 20\n";
        expected += bad ? "\n" : kLine3;
        if (bad)
            expectedMessages += "quorvane convert: line " + std::to_string(i) +
                                ": cannot read \"bad\": no \",\" between latitude and longitude "
                                "(write LATITUDE, LONGITUDE)\n";
    }
    for (const std::size_t workers : {1, 2, 3}) {
        File in(std::tmpfile());
        File out(std::tmpfile());
        File err(std::tmpfile());
        std::fwrite(input.data(), 1, input.size(), in.get());
        std::rewind(in.get());
        const StreamOutcome outcome =
            convertPositionStream(in.get(), out.get(), err.get(), DecimalMode::point, workers);
        EXPECT_EQ(outcome, StreamOutcome::someLinesUnread) << workers;
        EXPECT_EQ(contents(out.get()), expected) << workers;
        EXPECT_EQ(contents(err.get()), expectedMessages) << workers;
    }
}

} // namespace
} // namespace quorvane
