// geo: URIs (RFC 5870), as links to a place hand them to the application:
//
//   geo:48.8583701,2.2944813                 latitude, longitude (signed decimal degrees)
//   geo:48.8583701,2.2944813,35;u=12         an altitude and parameters are allowed, unused
//   GEO:-33.8688,151.2093;crs=wgs84          the scheme and parameter names in any case
//
//   refused:  geo:91,0 (out of range)   geo:48.8;2.3 (no longitude)   geo:1e3,2 (not a number)
//             geo:48,2;crs=utm (only WGS-84 coordinates are understood)
//             geo:0,0?q=Paris (a search, not a position)
//
// The position becomes the text "LAT, LON", which the position reader takes as signed decimal
// degrees, so a geo: link fills the form exactly as the same numbers typed on the command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

bool isGeoUri(std::string_view text);

struct GeoUriReading {
    std::optional<std::string> position; // "LAT, LON" as written in the URI
    std::string error;                   // why the URI could not be read
};

GeoUriReading readGeoUri(std::string_view uri);

} // namespace quorvane
