#include "output_texts.h"

#include "core/form_platform.h"

#include <algorithm>

namespace quorvane {

namespace {

struct MarkerPair {
    std::string_view first;  // index 0: North or East
    std::string_view second; // any other index: South or West
};

struct MarkerStyleInfo {
    MarkerPair latitude;
    MarkerPair longitude;
};

constexpr std::array<MarkerStyleInfo, 2> kMarkerStyles{{
    {{"N", "S"}, {"E", "W"}}, // letters
    {{"", "-"}, {"", "-"}},   // signs
}};

std::string_view pick(const MarkerPair& pair, int index) {
    return hemisphereOf(index) == Hemisphere::northOrEast ? pair.first : pair.second;
}

void appendHalf(std::string& line, const std::array<std::string_view, 3>& texts, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) line += ' ';
        // normalisedText, appended in place without a temporary string
        const std::size_t start = line.size();
        line += texts[i];
        std::replace(line.begin() + static_cast<std::ptrdiff_t>(start), line.end(), ',', '.');
    }
}

} // namespace

HemisphereMarkers markersFor(MarkerStyle style, int latitudeIndex, int longitudeIndex) {
    const MarkerStyleInfo& s = kMarkerStyles[static_cast<std::size_t>(style)];
    return {pick(s.latitude, latitudeIndex), pick(s.longitude, longitudeIndex)};
}

std::string normalisedText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ',') c = '.';
    return out;
}

NotationTexts notationTexts(const FormView& view, Notation notation) {
    const NotationInfo& n = info(notation);
    NotationTexts t;
    for (std::size_t i = 0; i < n.fieldsPerHalf; ++i) {
        t.latitude[i] = view.text(n.latitudeFields[i]);
        t.longitude[i] = view.text(n.longitudeFields[i]);
    }
    t.latitudeSelector = view.selectedIndex(n.latitudeSelector);
    t.longitudeSelector = view.selectedIndex(n.longitudeSelector);
    return t;
}

HemisphereMarkers appendCopyText(std::string& line, Notation notation,
                                 const NotationTextViews& texts) {
    const NotationInfo& n = info(notation);
    const HemisphereMarkers m =
        markersFor(n.markers, texts.latitudeSelector, texts.longitudeSelector);
    if (n.markers == MarkerStyle::signs) {
        // -45.5, 73.25: the sign stands directly before each number.
        line += m.ns;
        appendHalf(line, texts.latitude, n.fieldsPerHalf);
        line += ", ";
        line += m.ew;
        appendHalf(line, texts.longitude, n.fieldsPerHalf);
    } else {
        // 45° 30.25' N, 73° 20.5' W: the letter follows each half.
        appendHalf(line, texts.latitude, n.fieldsPerHalf);
        line += ' ';
        line += m.ns;
        line += ", ";
        appendHalf(line, texts.longitude, n.fieldsPerHalf);
        line += ' ';
        line += m.ew;
    }
    return m;
}

CopyLine copyText(Notation notation, const NotationTexts& texts) {
    std::string line;
    line.reserve(64);
    const NotationTextViews views{{texts.latitude[0], texts.latitude[1], texts.latitude[2]},
                                  {texts.longitude[0], texts.longitude[1], texts.longitude[2]},
                                  texts.latitudeSelector,
                                  texts.longitudeSelector};
    const HemisphereMarkers m = appendCopyText(line, notation, views);
    return {std::move(line), m};
}

CopyLine copyText(const FormView& view, Notation notation) {
    return copyText(notation, notationTexts(view, notation));
}

MapsApp mapsAppForName(std::string_view name, const Translate& translate) {
    for (const MapsAppInfo& app : kMapsApps)
        if (translate(app.name) == name) return app.id;
    return MapsApp::appleMaps;
}

MapsPosition mapsPosition(std::string_view d7, std::string_view d8, int c7, int c8) {
    const HemisphereMarkers m = markersFor(MarkerStyle::signs, c7, c8);
    return {std::string(m.ns) + normalisedText(d7), std::string(m.ew) + normalisedText(d8), m};
}

MapsPosition mapsPosition(const FormView& view) {
    return mapsPosition(view.text(FieldId::d7), view.text(FieldId::d8),
                        view.selectedIndex(SelectorId::c7), view.selectedIndex(SelectorId::c8));
}

std::string mapsURL(MapsApp app, const MapsPosition& p) {
    const MapsAppInfo& a = info(app);
    std::string url = "https://";
    url += a.host;
    url += a.prefix;
    url += p.latitude;
    if (a.positionTwice) {
        url += "%2C";
        url += p.longitude;
        url += "#map=16/";
        url += p.latitude;
        url += '/';
        url += p.longitude;
    } else {
        url += ',';
        url += p.longitude;
    }
    return url;
}

std::string shareText(const MapsPosition& p) {
    return p.latitude + ", " + p.longitude;
}

namespace {

constexpr bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// RFC 3986: unreserved, reserved (gen-delims and sub-delims), and "%" for escapes.
constexpr bool isUrlCharacter(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    constexpr std::string_view allowed = "-._~:/?#[]@!$&'()*+,;=%";
    return allowed.find(c) != std::string_view::npos;
}

} // namespace

bool isValidUrlText(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!letter && !(i > 0 && other)) return false;
    }
    int fragments = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!isUrlCharacter(c)) return false;
        if (c == '#' && ++fragments > 1) return false;
        if (c == '%' && (i + 2 >= text.size() || !isHex(text[i + 1]) || !isHex(text[i + 2])))
            return false;
    }
    return true;
}

} // namespace quorvane
