// `quorvane convert` as a user runs it: what the command decides (options, edits, the separator,
// grid references, messages and exit statuses, the line-by-line stream). The reader's patterns
// and messages are tested with the reader.
#include "app/convert_command.h"
#include "app/convert_stream.h"

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
using Args = std::vector<std::string>;

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

CommandRun convert(const Args& args, const std::string& input = "") {
    File in = tempFile(input), out = tempFile(), err = tempFile();
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    const int status = runConvertCommand(static_cast<int>(argv.size()), argv.data(), in.get(),
                                         out.get(), err.get());
    return {status, contents(out.get()), contents(err.get())};
}

TEST(ConvertCommand, PrintsTheFourCopyLinesOfTheConvertedForm) {
    // 45° 30' 15" is 30.25 minutes and 45.5041667 degrees; 73° 20' 30" is 20.5 and 73.3416667.
    const std::string expected = "45° 30' 15.0\" S, 73° 20' 30.0\" W\n45° 30.25' S, 73° 20.5' W\n"
                                 "45.5041667° S, 73.3416667° W\n-45.5041667, -73.3416667\n0";
    const Args cases[] = {
        {"--decimal-point", "-45.5041667,", "-73.3416667"}, // words join; "-4" is no option
        {"--decimal-point", "--", "-45.5041667, -73.3416667"},
        {"--decimal-comma", "45° 30,25' S, 73° 20,5' W"}, // copy lines use "." whatever the form
    };
    for (const Args& args : cases) {
        const CommandRun r = convert(args);
        EXPECT_EQ(r.out + r.err + std::to_string(r.status), expected) << args.back();
    }
}

// The output of --fields: "NAME<TAB>TEXT" for the fourteen fields, then "cN<TAB>INDEX" for the
// eight selectors, from the texts and indices written in one line, separated by blanks.
std::string fieldsOutput(const std::string& texts) {
    std::istringstream words(texts);
    std::string out, word;
    for (const FieldInfo& f : kFields)
        out += std::string(f.name) + "\t" + (words >> word, word) + "\n";
    for (const SelectorInfo& c : kSelectors)
        out += std::string(c.name) + "\t" + (words >> word, word) + "\n";
    return out;
}

// Edits replay what a user does on the form after the position is entered: tap, select all,
// type through the filter (refused characters are left out), Done.
TEST(ConvertCommand, FieldsShowTheFormAfterTheEdits) {
    // clang-format off
    const std::pair<Args, std::string> cases[] = {
        // Entering m3 and leaving it unchanged rewrites nothing from its rounded minutes.
        {{"--decimal-point", "--edit", "d5=45.9999999", "--edit", "m3", "0, 0"},
         "46° 0' 0.0\" 0° 0' 0.0\" 45° 59.99999' 0° 0.0' 45.9999999° 0.0° 45.9999999 0.0 0 0 0 0 0 0 0 0"},
        {{"--decimal-comma", "--edit", "d1=4a5", "--edit=s1=12.3,4", "0, 0"},
         "45° 0' 12,34\" 0° 0' 0,0\" 45° 0,20567' 0° 0,0' 45,0034278° 0,0° 45,0034278 0,0 0 0 0 0 0 0 0 0"},
        {{"--decimal-point", "--edit", "m1=", "45 30 15 N, 0 0 0 W"}, // FIELD= erases the field
         "45° 0' 15.0\" 0° 0' 0.0\" 45° 0.25' 0° 0.0' 45.0041667° 0.0° 45.0041667 0.0 0 1 0 1 0 1 0 1"},
    };
    // clang-format on
    for (const auto& [args, texts] : cases) {
        Args withFields{"--fields"};
        withFields.insert(withFields.end(), args.begin(), args.end());
        const CommandRun r = convert(withFields);
        EXPECT_EQ(r.out + r.err + std::to_string(r.status), fieldsOutput(texts) + "0")
            << args.back();
    }
}

// --grid reads a grid reference as a position and adds the four references: as lines, as
// --fields lines, as stream columns.
TEST(ConvertCommand, GridReferencesAreReadAndAddedWhenAsked) {
    const std::string eiffel = "31U 448251 5411952\n31U DQ 48250 11951\n8FW4V75V+8Q\nJN18du\n";
    const CommandRun lines = convert({"--grid", "--decimal-point", "48.8583701, 2.2944813"});
    EXPECT_TRUE(lines.out.ends_with("48.8583701, 2.2944813\n" + eiffel)) << lines.out;

    // The subsquare's centre, 48° 51' 15" N, 2° 17' 30" E.
    const CommandRun fields = convert({"--fields", "--grid", "--decimal-point", "JN18du"});
    EXPECT_TRUE(
        fields.out.ends_with("d7\t48.8541667\nd8\t2.2916667\nc1\t0\nc2\t0\nc3\t0\nc4\t0\n"
                             "c5\t0\nc6\t0\nc7\t0\nc8\t0\nutm\t31U 448040 5411486\nmgrs\t"
                             "31U DQ 48039 11486\npluscode\t8FW4V73R+MM\nmaidenhead\tJN18du\n"))
        << fields.out;

    const CommandRun stream = convert({"--grid", "--decimal-point", "-"}, "31udq4825011951\n");
    EXPECT_TRUE(stream.out.ends_with("48.8583692, 2.29448\t31U 448250 5411952\t31U DQ 48250 "
                                     "11951\t8FW4V75V+8Q\tJN18du\n"))
        << stream.out;
}

TEST(ConvertCommand, WithoutAnOptionTheLocaleChoosesTheFormsSeparator) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    const CommandRun german = convert({"--fields", "-45.5, 73.25"});
    setenv("LC_ALL", "C", 1); // as ctest runs this program
    EXPECT_NE(german.out.find("d7\t45,5\n"), std::string::npos) << german.out;

    // LC_ALL, LC_NUMERIC, LANG: the first one set decides; a territory may differ from its
    // language.
    const auto P = DecimalMode::point, C = DecimalMode::comma;
    // clang-format off
    const std::tuple<const char*, const char*, const char*, DecimalMode> cases[] = {
        {"", "", "", P}, {"C", "", "de_DE.UTF-8", P}, {"", "de_DE.UTF-8", "en_US.UTF-8", C},
        {"fr_FR@euro", "", "", C}, {"de_CH.UTF-8", "", "", P}, {"en_DK.UTF-8", "", "", C}};
    // clang-format on
    for (const auto& [all, numeric, lang, mode] : cases)
        EXPECT_EQ(decimalModeOfLocale(all, numeric, lang), mode) << all << numeric << lang;
}

// Exit status 2 and one message: what cannot be read is quoted, cut to 80 bytes, with control
// characters (C0, C1) and bytes that are no part of a UTF-8 character escaped; misuse points to
// the help.
TEST(ConvertCommand, RefusalsExplainAndExitWithTwo) {
    const std::string cut = "1" + std::string(79, '0') + "...";
    const std::string help = "\nTry \"quorvane convert --help\".";
    // clang-format off
    const std::pair<Args, std::string> cases[] = {
        {{"91, 10"}, "cannot read \"91, 10\": latitude \"91\" is out of range: latitude goes from 0 to 90 degrees"},
        {{"45\x9B\x1B[2J, 10"}, "cannot read \"45\\x9b\\x1b[2J, 10\": unexpected \"\\x9b\": a position is "
                               "numbers with unit marks, and hemisphere letters (N, S, E, W) or signs"},
        {{"1" + std::string(120000, '0') + ", 1"}, "cannot read \"" + cut + "\": latitude \"" + cut +
                                                   "\" is out of range: latitude goes from 0 to 90 degrees"},
        {{}, "no POSITION given" + help},
        {{"--frobnicate", "45, 10"}, "unknown option \"--frobnicate\"" + help},
        {{"--decimal-comma", "--decimal-point", "45, 10"},
         "--decimal-comma and --decimal-point exclude each other" + help},
        {{"-", "45, 10"}, "give either a POSITION or \"-\", not both" + help},
        {{"--fields", "-"}, "--fields shows one form: give a POSITION, not \"-\"" + help},
        {{"--edit", "x1=5", "0, 0"}, "--edit \"x1=5\" names no field (d1 .. d8, m1 .. m4, s1, s2)" + help},
        {{"0, 0", "--edit"}, "--edit needs FIELD=TEXT or FIELD" + help},
    };
    // clang-format on
    for (const auto& [args, problem] : cases) {
        const CommandRun r = convert(args);
        EXPECT_EQ(r.out + std::to_string(r.status), "2");
        EXPECT_EQ(r.err, "quorvane convert: " + problem + "\n");
    }
    const CommandRun usage = convert({"--help"});
    EXPECT_EQ(usage.out + std::to_string(usage.status), std::string(convertHelpText()) + "0");
}

const std::string kLine1 = "45° 30' 0.0\" N, 73° 15' 0.0\" E\t45° 30.0' N, 73° 15.0' E\t"
                           "45.5° N, 73.25° E\t45.5, 73.25\n";
const std::string kLine3 = "10° 0' 0.0\" S, 20° 0' 0.0\" E\t10° 0.0' S, 20° 0.0' E\t"
                           "10.0° S, 20.0° E\t-10.0, 20.0\n";

TEST(ConvertStream, OneOutputLinePerInputLineAndExitOneForBadLines) {
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
                        ": cannot read \"bad\": \"bad\" holds words only: no numbers, link "
                        "or grid reference of a position\n";
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

// A program that writes one line and waits for its answer gets it; the stream does not wait for
// more input or its end.
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
    // The next output line, or what came of it when nothing more comes within a generous time.
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
    EXPECT_EQ(::write(toConverter[1], "-10, 20\n", 8), 8);
    EXPECT_EQ(answer(), kLine3);
    ::close(toConverter[1]);
    converter.join();
    std::fclose(in);
    ::close(fromConverter[0]);
}

} // namespace
} // namespace quorvane
