// `quorvane convert` under arbitrary text: the reader either refuses with a one-line message or
// accepts a position in range, which is then converted on the form in both decimal modes. Every accepted
// position prints four copy lines, and each of those lines reads back as a position in its own
// notation (what the program writes, it must be able to read).
#include "app/convert_command.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace quorvane;

void require(bool condition, const char* invariant) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", invariant);
    std::abort();
}

std::size_t count(std::string_view s, char c) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), c));
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
        return 0;
    }
    require(std::fabs(reading.point.latitude) <= kMaxLatitudeDegrees &&
                std::fabs(reading.point.longitude) <= kMaxLongitudeDegrees,
            "what is read is in range");
    const std::size_t perHalf = info(reading.notation).fieldsPerHalf;
    require(reading.latitude.count == perHalf && reading.longitude.count == perHalf,
            "each half holds the numbers of its notation");
    checkConversion(pointForm, reading);
    checkConversion(commaForm, reading);
    return 0;
}
