#include "position_source_option.h"

#include "core/message_text.h"

namespace quorvane {

namespace {

constexpr std::string_view kDefaultName = "default";
constexpr std::string_view kNoneName = "none";
constexpr std::string_view kNmeaPrefix = "nmea:";

std::string quoted(std::string_view text) {
    return quotedForMessage(text);
}

} // namespace

PositionSourceParse parsePositionSource(std::string_view text) {
    if (text.empty() || text == kDefaultName) return {PositionSourceChoice{}, {}};
    if (text == kNoneName) return {PositionSourceChoice{PositionSourceKind::none, {}}, {}};
    if (text.starts_with(kNmeaPrefix)) {
        const std::string_view file = text.substr(kNmeaPrefix.size());
        if (file.empty())
            return {std::nullopt, "position source " + quoted(text) + " names no file (nmea:FILE)"};
        return {PositionSourceChoice{PositionSourceKind::nmeaFile, std::string(file)}, {}};
    }
    return {std::nullopt,
            "unknown position source " + quoted(text) + " (expected default, none or nmea:FILE)"};
}

PositionSourceParse choosePositionSource(std::optional<std::string_view> commandLine,
                                         std::optional<std::string_view> environment) {
    if (commandLine) return parsePositionSource(*commandLine);
    if (environment) return parsePositionSource(*environment);
    return {PositionSourceChoice{}, {}};
}

std::string_view positionSourceHelpText() {
    // Laid out as the application's other options: descriptions from column 21.
    return "  --position-source SOURCE\n"
           "                    where the current-location button takes the position from:\n"
           "                    default (the system's position service), none, or nmea:FILE\n"
           "                    (replays an NMEA 0183 log); also QUORVANE_POSITION_SOURCE\n";
}

} // namespace quorvane
