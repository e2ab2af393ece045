// `quorvane convert` under arbitrary text: the reader either refuses with a one-line message or
// accepts a position, which is then converted on the form in both decimal modes. Every accepted
// position prints four copy lines, and each of those lines reads back as a position in its own
// notation (what the program writes, it must be able to read).
#include "app/convert_command.h"

#include <algorithm>
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

void checkRefusal(std::string_view text, const PositionReading& reading) {
    require(!describeError(reading).empty(), "a refusal says why");
    const std::string message = unreadPositionMessage(text, reading, 1);
    require(count(message, '\n') == 1 && message.back() == '\n', "a message is one line");
}

void checkConversion(ConversionForm& form, const PositionReading& reading) {
    form.enter(reading);
    std::string lines;
    form.appendCopyLines(lines, '\n');
    require(count(lines, '\n') == kNotationCount - 1, "four copy lines");
    require(count(lines, '\t') == 0, "copy lines hold no tab");

    std::string_view rest = lines;
    for (const NotationInfo& n : kNotations) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        const PositionReading back = readPosition(line);
        if (!back.ok())
            std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(line.size()), line.data(),
                         describeError(back).c_str());
        require(back.ok(), "a copy line reads back");
        require(back.notation == n.id, "a copy line reads back in its own notation");
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
        checkRefusal(text, reading);
        return 0;
    }
    const std::size_t perHalf = info(reading.notation).fieldsPerHalf;
    require(reading.latitude.count == perHalf && reading.longitude.count == perHalf,
            "each half holds the numbers of its notation");
    checkConversion(pointForm, reading);
    checkConversion(commaForm, reading);
    return 0;
}
