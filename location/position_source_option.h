// Which position source the application uses: the system's (the default), none, or an NMEA
// file replayed as if a receiver sent it (for demos and tests without a GPS).
//
//   quorvane --position-source nmea:tests/location/data/sydney.nmea
//   QUORVANE_POSITION_SOURCE=none quorvane
//
// The command line wins over the environment variable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kPositionSourceOption = "--position-source";
inline constexpr std::string_view kPositionSourceVariable = "QUORVANE_POSITION_SOURCE";

enum class PositionSourceKind : unsigned char {
    systemDefault, // the platform's position service (GeoClue 2 on Linux)
    none,          // no position service at all: the button shows the location-disabled alert
    nmeaFile,      // an NMEA 0183 log replayed at the pace of its time stamps
};

struct PositionSourceChoice {
    PositionSourceKind kind = PositionSourceKind::systemDefault;
    std::string nmeaFile; // the path as given, for nmeaFile only
    friend bool operator==(const PositionSourceChoice&, const PositionSourceChoice&) = default;
};

// A choice, or a message saying what is wrong with the text.
struct PositionSourceParse {
    std::optional<PositionSourceChoice> choice;
    std::string error;
};

// "default" (or ""), "none", "nmea:FILE".
PositionSourceParse parsePositionSource(std::string_view text);

// The command line's value if there is one, else the environment's, else the system default.
PositionSourceParse choosePositionSource(std::optional<std::string_view> commandLine,
                                         std::optional<std::string_view> environment);

// One paragraph for --help.
std::string_view positionSourceHelpText();

} // namespace quorvane
