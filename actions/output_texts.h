// The texts the form hands to other programs: the clipboard line of a notation, the maps URL of
// the position and the share text. All are built from the field texts as shown (never from the
// stored numbers), with every "," turned into "." so other programs can read them.
#pragma once

#include "core/form_model.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

class FormView;

// The hemisphere markers of one output: "N"/"S" and "E"/"W", or "" / "-".
struct HemisphereMarkers {
    std::string_view ns;
    std::string_view ew;
};

HemisphereMarkers markersFor(MarkerStyle style, int latitudeIndex, int longitudeIndex);

// The field texts of one notation, latitude fields first (up to three per half).
struct NotationTexts {
    std::array<std::string, 3> latitude;
    std::array<std::string, 3> longitude;
    int latitudeSelector = 0;
    int longitudeSelector = 0;
};

NotationTexts notationTexts(const FormView& view, Notation notation);

// The same texts where they lie, for a line built straight from a view's own strings.
struct NotationTextViews {
    std::array<std::string_view, 3> latitude;
    std::array<std::string_view, 3> longitude;
    int latitudeSelector = 0;
    int longitudeSelector = 0;
};

struct CopyLine {
    std::string line;
    HemisphereMarkers markers; // what the screen keeps as ns and ew
};

// The clipboard line of a notation, e.g. 45° 30' 15.0" N, 73° 20' 30.0" W or -45.5, 73.25.
CopyLine copyText(Notation notation, const NotationTexts& texts);
CopyLine copyText(const FormView& view, Notation notation);
// The same line appended to `line` (which may hold other text), for callers that write many
// lines into one buffer; returns the markers.
HemisphereMarkers appendCopyText(std::string& line, Notation notation,
                                 const NotationTextViews& texts);

// Every "," replaced by ".".
std::string normalisedText(std::string_view text);

// ---- Maps --------------------------------------------------------------------------------

enum class MapsApp : unsigned char { appleMaps, googleMaps, openStreetMap, waze };

struct MapsAppInfo {
    MapsApp id;
    std::string_view name; // the English name, also its translation key
    std::string_view host;
    std::string_view prefix; // path and fixed query before the position
    bool positionTwice;      // OpenStreetMap: route and map centre
};

inline constexpr std::array<MapsAppInfo, 4> kMapsApps{{
    {MapsApp::appleMaps, "Apple Maps", "maps.apple.com", "/maps?daddr=", false},
    {MapsApp::googleMaps, "Google Maps", "maps.google.com", "/?q=", false},
    {MapsApp::openStreetMap, "OpenStreetMap", "www.openstreetmap.org",
     "/directions?engine=fossgis_osrm_car&route=%3B", true},
    {MapsApp::waze, "Waze", "waze.com", "/ul?ll=", false},
}};

constexpr const MapsAppInfo& info(MapsApp app) {
    return kMapsApps[static_cast<std::size_t>(app)];
}

// Looks up a text by its English key in the user's language.
using Translate = std::function<std::string(std::string_view key)>;

// The application whose localized name equals `name`, comparing in list order; Apple Maps when
// none does.
MapsApp mapsAppForName(std::string_view name, const Translate& translate);

struct MapsPosition {
    std::string latitude;  // LAT: sign marker, then the field text with "," -> "."
    std::string longitude; // LON
    HemisphereMarkers markers;
};

// The position of the dddddddd2 row: texts of d7 and d8, indices of c7 and c8.
MapsPosition mapsPosition(std::string_view d7, std::string_view d8, int c7, int c8);
MapsPosition mapsPosition(const FormView& view);

std::string mapsURL(MapsApp app, const MapsPosition& position);

// "LAT, LON", the text shared with the maps link.
std::string shareText(const MapsPosition& position);

// Whether a URL parser would take this text: an absolute URL whose characters are all allowed
// in a URL, with every "%" starting an escape. A blank or a degree sign makes it invalid.
bool isValidUrlText(std::string_view text);

} // namespace quorvane
