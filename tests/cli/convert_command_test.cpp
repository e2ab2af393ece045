// `quorvane convert` as a user runs it: arguments in, copy lines or form texts out, messages and
// exit status for what cannot be read, and the line-by-line stream.
#include "app/convert_command.h"
#include "app/convert_stream.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace quorvane {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File tempFile(const std::string& text = "") {
    File f(std::tmpfile(), &std::fclose);
    std::fwrite(text.data(), 1, text.size(), f.get());
    std::rewind(f.get());
    return f;
}

std::string contents(std::FILE* f) {
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;)
        text += static_cast<char>(c);
    return text;
}

struct CommandRun {
    int status;
    std::string out, err;
};

CommandRun convert(const std::vector<std::string>& args, const std::string& input = "") {
    File in = tempFile(input), out = tempFile(), err = tempFile();
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    const int status = runConvertCommand(static_cast<int>(argv.size()), argv.data(), in.get(),
                                         out.get(), err.get());
    return {status, contents(out.get()), contents(err.get())};
}

// Latitude 45° 30' 15" is 30.25 minutes and 45.5041667 degrees; longitude 73° 20' 30" is 20.5
// minutes and 73.3416667 degrees.
const std::string kExample = "45° 30' 15.0\" N, 73° 20' 30.0\" W\n45° 30.25' N, 73° 20.5' W\n"
                             "45.5041667° N, 73.3416667° W\n45.5041667, -73.3416667\n";

TEST(ConvertCommand, PrintsTheFourCopyLinesOfTheConvertedForm) {
    const std::vector<std::vector<std::string>> cases{
        {"--decimal-point", "45° 30' 15\" N, 73° 20' 30\" W"},
        // Several words are one position; a leading "-" starts a number, not an option.
        {"--decimal-point", "45.5041667,", "-73.3416667"},
        {"--decimal-point", "--", "45.5041667, -73.3416667"},
        {"--decimal-comma", "45° 30,25' N, 73° 20,5' W"}, // copy lines use "." whatever the form
    };
    for (const auto& args : cases) {
        const CommandRun r = convert(args);
        EXPECT_EQ(r.out + r.err + std::to_string(r.status), kExample + "0") << args.back();
    }
    EXPECT_EQ(convert({"-45.5, 73.25"}).out, "45° 30' 0.0\" S, 73° 15' 0.0\" E\n45° 30.0' S, "
                                             "73° 15.0' E\n45.5° S, 73.25° E\n-45.5, 73.25\n");
}

// The output of --fields: 14 lines "NAME<TAB>TEXT" in field order, then 8 lines "cN<TAB>INDEX",
// from the fourteen texts and the eight indices written in one line, separated by blanks.
std::string fieldsOutput(const std::string& texts) {
    std::istringstream words(texts);
    std::string out, word;
    for (const FieldInfo& f : kFields)
        out += std::string(f.name) + "\t" + (words >> word, word) + "\n";
    for (const SelectorInfo& c : kSelectors)
        out += std::string(c.name) + "\t" + (words >> word, word) + "\n";
    return out;
}

TEST(ConvertCommand, FieldsShowWhatTheFormShows) {
    // clang-format off
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--decimal-point", "045 59 60 N, 0 0 0 E"}, // digits as typed; 60" kept, 60.0' shown
         "045° 59' 60.0\" 0° 0' 0.0\" 045° 60.0' 0° 0.0' 46.0° 0.0° 46.0 0.0 0 0 0 0 0 0 0 0"},
        {{"--decimal-comma", "0 0 12,5 N, 0 0 12.5 E"},
         "0° 0' 12,5\" 0° 0' 12,5\" 0° 0,20833' 0° 0,20833' 0,0034722° 0,0034722° 0,0034722 0,0034722 0 0 0 0 0 0 0 0"},
        {{"--decimal-comma", "48.8583701, 2.2944813"},
         "48° 51' 30,132\" 2° 17' 40,133\" 48° 51,50221' 2° 17,66888' 48,8583701° 2,2944813° 48,8583701 2,2944813 0 0 0 0 0 0 0 0"},
    };
    // clang-format on
    for (const auto& [args, texts] : cases) {
        std::vector<std::string> withFields{"--fields"};
        withFields.insert(withFields.end(), args.begin(), args.end());
        const CommandRun r = convert(withFields);
        EXPECT_EQ(r.out + r.err + std::to_string(r.status), fieldsOutput(texts) + "0")
            << args.back();
    }
}

// Edits replay what a user does on the form: tap, select all, type through the filter, Done.
TEST(ConvertCommand, EditsAreMadeInOrderAfterThePositionIsEntered) {
    // clang-format off
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--decimal-point", "--edit", "d5=45.9999999", "--edit", "m3", "0, 0"},
         "45° 59' 59.999\" 0° 0' 0.0\" 45° 59.99999' 0° 0.0' 45.9999997° 0.0° 45.9999997 0.0 0 0 0 0 0 0 0 0"},
        // Refused characters are left out: a letter, a second separator.
        {{"--decimal-comma", "--edit", "d1=4a5", "--edit=s1=12.3,4", "0, 0"},
         "45° 0' 12,34\" 0° 0' 0,0\" 45° 0,20567' 0° 0,0' 45,0034278° 0,0° 45,0034278 0,0 0 0 0 0 0 0 0 0"},
        // FIELD= erases the field, which then ends empty.
        {{"--decimal-point", "--edit", "m1=", "45 30 15 N, 0 0 0 E"},
         "45° 0' 15.0\" 0° 0' 0.0\" 45° 0.25' 0° 0.0' 45.0041667° 0.0° 45.0041667 0.0 0 0 0 0 0 0 0 0"},
    };
    // clang-format on
    for (const auto& [args, texts] : cases) {
        std::vector<std::string> withFields{"--fields"};
        withFields.insert(withFields.end(), args.begin(), args.end());
        const CommandRun r = convert(withFields);
        EXPECT_EQ(r.out + r.err + std::to_string(r.status), fieldsOutput(texts) + "0")
            << args[2];
    }
}

// --grid adds the four references: as lines, as --fields lines, as stream columns; a grid
// reference is read as a position; without --grid nothing changes (the tests above).
TEST(ConvertCommand, GridReferencesAreReadAndAddedWhenAsked) {
    const std::string eiffel = "31U 448251 5411952\n31U DQ 48250 11951\n8FW4V75V+8Q\nJN18du\n";
    const CommandRun lines = convert({"--grid", "--decimal-point", "48.8583701, 2.2944813"});
    EXPECT_EQ(lines.status, 0);
    EXPECT_TRUE(lines.out.ends_with("48.8583701, 2.2944813\n" + eiffel)) << lines.out;

    const CommandRun fields = convert({"--fields", "--grid", "--decimal-point", "JN18du"});
    EXPECT_TRUE(fields.out.find("d7\t48.8541667\n") != std::string::npos) << fields.out;
    // The subsquare's centre, 48° 51' 15" N, 2° 17' 30" E.
    EXPECT_TRUE(fields.out.ends_with("c8\t0\nutm\t31U 448040 5411486\nmgrs\t31U DQ 48039 "
                                     "11486\npluscode\t8FW4V73R+MM\nmaidenhead\tJN18du\n"))
        << fields.out;

    const CommandRun stream =
        convert({"--grid", "--decimal-point", "-"}, "31udq4825011951\nV75V+8Q Paris\n");
    EXPECT_EQ(stream.status, 1);
    EXPECT_TRUE(stream.out.find("48.8583692, 2.29448\t31U 448251 5411951\t31U DQ 48250 "
                                "11951\t8FW4V75V+8Q\tJN18du\n\n") != std::string::npos)
        << stream.out;
    EXPECT_NE(stream.err.find("line 2: cannot read \"V75V+8Q Paris\""), std::string::npos);
    EXPECT_NE(stream.err.find("full code"), std::string::npos) << stream.err;
}

TEST(ConvertCommand, WithoutAnOptionTheLocaleChoosesTheFormsSeparator) {
    const char* saved = std::getenv("LC_ALL");
    const std::string restore = saved ? saved : "";
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    const CommandRun german = convert({"--fields", "-45.5, 73.25"});
    setenv("LC_ALL", "C", 1);
    const CommandRun plain = convert({"--fields", "-45.5, 73.25"});
    saved ? setenv("LC_ALL", restore.c_str(), 1) : unsetenv("LC_ALL");
    EXPECT_NE(german.out.find("d7\t45,5\n"), std::string::npos) << german.out;
    EXPECT_NE(plain.out.find("d7\t45.5\n"), std::string::npos) << plain.out;
}

TEST(ConvertCommand, TheFirstSetLocaleVariableChoosesTheSeparator) {
    const auto P = DecimalMode::point, C = DecimalMode::comma;
    const std::tuple<const char*, const char*, const char*, DecimalMode> cases[] = {
        {"", "", "", P},
        {"C", "", "de_DE.UTF-8", P},
        {"", "de_DE.UTF-8", "en_US.UTF-8", C},
        {"", "en_US.UTF-8", "de_DE.UTF-8", P},
        {"fr_FR@euro", "", "", C},
        {"de", "", "", C},
        {"es_MX.UTF-8", "", "", P},
        {"de_CH.UTF-8", "", "", P},
        {"en_DK.UTF-8", "", "", C},
        {"ja_JP", "", "", P}};
    for (const auto& [all, numeric, lang, mode] : cases)
        EXPECT_EQ(decimalModeOfLocale(all, numeric, lang), mode) << all << numeric << lang;
}

TEST(ConvertCommand, QuotesWhatItCannotReadNamesTheProblemAndExitsWithTwo) {
    // Quoted pieces are cut to 80 bytes and show every control character escaped: C0, C1
    // (U+0080 .. U+009F) and bytes that are no part of a UTF-8 character.
    const std::string huge = "1" + std::string(120000, '0');
    const std::string cut = "1" + std::string(79, '0') + "...";
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string kStray =
        ": a position is numbers with unit marks, and hemisphere letters (N, S, E, W) or signs";
    const std::string tinyCut = "0." + std::string(78, '0') + "...";
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"91, 10", "91, 10", "latitude \"91\" is out of range: latitude goes from 0 to 90 degrees"},
        {"   ", "   ", "no position given"},
        {"45\x01, 10", "45\\x01, 10", "unexpected \"\\x01\"" + kStray},
        {"45\x9B\x1B[2J, 10", "45\\x9b\\x1b[2J, 10", "unexpected \"\\x9b\"" + kStray},
        {huge + ", 1", cut, "latitude \"" + cut + "\" is out of range: latitude goes from 0 to 90 degrees"},
        {tiny + ", 1", tinyCut, "\"" + tinyCut + "\" in the latitude is not a number"},
    };
    for (const auto& [position, quoted, problem] : cases) {
        const CommandRun r = convert({"--decimal-point", position});
        EXPECT_EQ(r.out + std::to_string(r.status), "2");
        EXPECT_EQ(r.err, "quorvane convert: cannot read \"" + quoted + "\": " + problem + "\n");
    }
}

TEST(ConvertCommand, MisuseIsExplainedWithAPointerToTheHelp) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no POSITION given"},
        {{"--frobnicate", "45, 10"}, "unknown option \"--frobnicate\""},
        {{"--decimal-comma", "--decimal-point", "45, 10"},
         "--decimal-comma and --decimal-point exclude each other"},
        {{"-", "45, 10"}, "give either a POSITION or \"-\", not both"},
        {{"-", "-"}, "\"-\" given twice"},
        {{"--fields", "-"}, "--fields shows one form: give a POSITION, not \"-\""},
        {{"--edit", "d1", "-"}, "--edit works on one form: give a POSITION, not \"-\""},
        {{"--edit", "x1=5", "0, 0"}, "--edit \"x1=5\" names no field (d1 .. d8, m1 .. m4, s1, s2)"},
        {{"0, 0", "--edit"}, "--edit needs FIELD=TEXT or FIELD"},
    };
    for (const auto& [args, problem] : cases) {
        const CommandRun r = convert(args);
        EXPECT_EQ(r.out + std::to_string(r.status), "2");
        EXPECT_EQ(r.err, "quorvane convert: " + problem + "\nTry \"quorvane convert --help\".\n");
    }
    const CommandRun help = convert({"--help"});
    EXPECT_EQ(help.out + std::to_string(help.status), std::string(convertHelpText()) + "0");
}

const std::string kLine1 = "45° 30' 0.0\" N, 73° 15' 0.0\" E\t45° 30.0' N, 73° 15.0' E\t"
                           "45.5° N, 73.25° E\t45.5, 73.25\n";
const std::string kLine3 = "10° 0' 0.0\" S, 20° 0' 0.0\" E\t10° 0.0' S, 20° 0.0' E\t"
                           "10.0° S, 20.0° E\t-10.0, 20.0\n";

TEST(ConvertStream, OneOutputLinePerInputLineAndExitOneForBadLines) {
    const CommandRun empty = convert({"-"}, "");
    EXPECT_EQ(empty.out + empty.err + std::to_string(empty.status), "0");
    const CommandRun good = convert({"--decimal-point", "-"}, "45.5, 73.25\n-10, 20\n");
    EXPECT_EQ(good.out + good.err + std::to_string(good.status), kLine1 + kLine3 + "0");

    // A bad line, an empty one, an overlong one, line ends with "\r", no end on the last line.
    const std::string input =
        "45.5, 73.25\r\n91, 73.25\r\n\n" + std::string(100000, '5') + "\n-10, 20";
    const CommandRun r = convert({"--decimal-point", "-"}, input);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kLine1 + "\n\n\n" + kLine3);
    EXPECT_EQ(r.err, "quorvane convert: line 2: cannot read \"91, 73.25\": latitude \"91\" is out "
                     "of range: latitude goes from 0 to 90 degrees\n"
                     "quorvane convert: line 3: cannot read \"\": no position given\n"
                     "quorvane convert: line 4: longer than 4096 bytes, not read\n");
    const CommandRun longest = convert({"-"}, std::string(4096, '5') + "\n");
    EXPECT_NE(longest.err.find("line 1: cannot read"), std::string::npos) << longest.err;
}

// Every line is converted on an empty form: a stream gives, line by line, what single
// conversions give.
TEST(ConvertStream, EachLineIsConvertedOnAFreshForm) {
    const std::vector<std::string> positions{
        "45 30 15 S, 73 20 30 W", "-45.9999999, 10", "89 59 60 S, 179 59 60 W", "5e-05, -1.5e-05"};
    std::string input, expected;
    for (const std::string& p : positions) {
        input += p + "\n";
        CommandRun single = convert({"--decimal-comma", p});
        ASSERT_EQ(single.status, 0) << p << ": " << single.err;
        std::replace(single.out.begin(), single.out.end(), '\n', '\t');
        expected += single.out.substr(0, single.out.size() - 1) + "\n";
    }
    const CommandRun stream = convert({"--decimal-comma", "-"}, input);
    EXPECT_EQ(stream.out + std::to_string(stream.status), expected + "0");
}

// Enough lines for several blocks of input, bad ones scattered, converted by one or several
// workers: one output line per input line, in order, and messages with the right line numbers.
TEST(ConvertStream, ManyLinesStayAlignedWhateverTheNumberOfWorkers) {
    std::string input, expected, messages;
    for (int i = 1; i <= 30000; ++i) {
        const bool bad = i % 7919 == 0 || i == 30000;
        input += bad ? "bad\n" : "-10, 20\n";
        expected += bad ? "\n" : kLine3;
        if (bad)
            messages += "quorvane convert: line " + std::to_string(i) +
                        ": cannot read \"bad\": unexpected \"bad\": a position is "
                        "numbers with unit marks, and hemisphere letters (N, S, E, W) or signs\n";
    }
    for (const std::size_t workers : {1, 3}) {
        File in = tempFile(input), out = tempFile(), err = tempFile();
        EXPECT_EQ(
            convertPositionStream(in.get(), out.get(), err.get(), DecimalMode::point, workers),
            StreamOutcome::someLinesUnread);
        EXPECT_EQ(contents(out.get()), expected) << workers;
        EXPECT_EQ(contents(err.get()), messages) << workers;
    }
}

// A reader that stops reading: nothing more is read or converted after the first failed write.
TEST(ConvertStream, StopsAtTheFirstFailedWrite) {
    std::string input;
    for (int i = 0; i < 200000; ++i)
        input += "1.5, 2.5\n";
    File in = tempFile(input), err = tempFile();
    File full(std::fopen("/dev/full", "w"), &std::fclose);
    ASSERT_TRUE(full);
    const char* args[] = {"-"};
    EXPECT_EQ(runConvertCommand(1, args, in.get(), full.get(), err.get()), 1);
    EXPECT_EQ(contents(err.get()), "quorvane convert: cannot write the output\n");
    EXPECT_LT(::lseek(::fileno(in.get()), 0, SEEK_CUR), static_cast<off_t>(input.size() / 4));
}

// A program that writes one line and waits for its answer gets it; it does not wait for more
// input or its end.
TEST(ConvertStream, AnswersEachLineWhileTheInputWaits) {
    int toConverter[2], fromConverter[2];
    ASSERT_EQ(::pipe(toConverter), 0);
    ASSERT_EQ(::pipe(fromConverter), 0);
    std::FILE* in = ::fdopen(toConverter[0], "r");
    std::FILE* out = ::fdopen(fromConverter[1], "w");
    File err = tempFile();
    std::thread converter([&] {
        convertPositionStream(in, out, err.get(), DecimalMode::point, 2);
        std::fclose(out);
    });
    // The next output line, or "" when none comes within a generous time.
    const auto answer = [&] {
        std::string line;
        for (char c = 0; c != '\n';) {
            pollfd ready{fromConverter[0], POLLIN, 0};
            if (::poll(&ready, 1, 10000) != 1 || ::read(fromConverter[0], &c, 1) != 1) return line;
            line += c;
        }
        return line;
    };
    EXPECT_EQ(::write(toConverter[1], "45.5, 73.25\n", 12), 12);
    EXPECT_EQ(answer(), kLine1);
    EXPECT_EQ(::write(toConverter[1], "-10, 20\nbad\n", 12), 12);
    EXPECT_EQ(answer(), kLine3);
    EXPECT_EQ(answer(), "\n");
    ::close(toConverter[1]);
    converter.join();
    std::fclose(in);
    ::close(fromConverter[0]);
    EXPECT_NE(contents(err.get()).find("line 3: cannot read \"bad\""), std::string::npos);
}

// Every example of the help's list of accepted texts (the pieces with digits, set apart by two or
// more blanks) is read.
TEST(ConvertCommand, TheHelpsExamplesAreRead) {
    const std::string_view help = convertHelpText();
    const std::size_t start = help.find("POSITION is one argument");
    const std::string_view list = help.substr(start, help.find("\nLetters:") - start);
    std::size_t examples = 0;
    for (std::size_t at = list.find("\n  "); at != std::string_view::npos;
         at = list.find("\n  ", at + 1)) {
        std::string_view line = list.substr(at + 1, list.find('\n', at + 1) - at - 1);
        while (!line.empty()) {
            const std::size_t begin = line.find_first_not_of(' ');
            if (begin == std::string_view::npos) break;
            line.remove_prefix(begin);
            const std::string_view piece = line.substr(0, line.find("  "));
            line.remove_prefix(piece.size());
            if (piece.find_first_of("0123456789") == std::string_view::npos) continue;
            ++examples;
            const PositionReading r = readPosition(piece);
            EXPECT_TRUE(r.ok()) << piece << ": " << describeError(r);
        }
    }
    EXPECT_GE(examples, 20u);
}

} // namespace
} // namespace quorvane
