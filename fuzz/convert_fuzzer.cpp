// `quorvane convert` under arbitrary text: the reader either refuses with a one-line message or
// accepts a position in range, which is then converted on the form in both decimal modes. Every accepted
// position prints four copy lines, and each of those lines reads back as a position in its own
// notation (what the program writes, it must be able to read); a refusal is one short line that
// shows control characters escaped.
#include "fuzz_require.h"
#include "app/convert_command.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace quorvane;

using fuzz::require;

std::size_t count(std::string_view s, char c) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), c));
}

// Two quoted pieces of at most 80 bytes, each byte escaped at worst as 4, and the sentence.
constexpr std::size_t kLongestMessage = 1000;

// A C0 or C1 control or DEL, written raw (C1 as UTF-8 or as a stray byte).
bool holdsControl(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        const bool c1 = c >= 0x80 && c <= 0x9F &&
                        (i == 0 || static_cast<unsigned char>(s[i - 1]) == 0xC2 ||
                         static_cast<unsigned char>(s[i - 1]) < 0x80);
        if (c < 0x20 || c == 0x7F || c1) return true;
    }
    return false;
}

void checkConversion(ConversionForm& form, const PositionReading& reading) {
    form.enter(reading);
    std::string lines;
    form.appendCopyLines(lines, '\n');
    require(count(lines, '\n') == kNotationCount - 1 && count(lines, '\t') == 0,
            "four copy lines without tabs");
    for (const NotationInfo& n : kNotations) {
        const std::string_view line = std::string_view(lines).substr(0, lines.find('\n'));
        const PositionReading back = readPosition(line);
        if (!back.ok())
            std::fprintf(stderr, "%s: %s\n", std::string(line).c_str(),
                         describeError(back).c_str());
        require(back.ok() && back.notation == n.id, "a copy line reads back in its own notation");
        lines.erase(0, line.size() + 1);
    }
    std::string fields;
    form.appendFields(fields);
    require(count(fields, '\n') == kFieldCount + kSelectorCount, "22 lines of form state");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ConversionForm pointForm(DecimalMode::point);
    static ConversionForm commaForm(DecimalMode::comma);

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const PositionReading reading = readPosition(text);
    if (!reading.ok()) {
        const std::string message = unreadPositionMessage(text, reading, 1);
        require(!describeError(reading).empty() && count(message, '\n') == 1 &&
                    message.back() == '\n',
                "a refusal says why, in one line");
        require(message.size() < kLongestMessage, "a refusal quotes short pieces");
        require(!holdsControl(std::string_view(message).substr(0, message.size() - 1)),
                "a refusal shows control characters escaped");
        return 0;
    }
    require(std::fabs(reading.point.latitude) <= kMaxLatitudeDegrees &&
                std::fabs(reading.point.longitude) <= kMaxLongitudeDegrees,
            "what is read is in range");
    const std::size_t perHalf = info(reading.notation).fieldsPerHalf;
    // A grid reference writes no numbers of a notation: its point is entered as it is.
    const bool gridReference = reading.latitude.count == 0 && reading.longitude.count == 0;
    require(gridReference ||
                (reading.latitude.count == perHalf && reading.longitude.count == perHalf),
            "each half holds the numbers of its notation");
    checkConversion(pointForm, reading);
    checkConversion(commaForm, reading);
    return 0;
}
