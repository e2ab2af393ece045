// Links that carry a position: geo: URIs (RFC 5870) and the links of the four maps sites the
// app opens. Their coordinates are signed decimal degrees; a link may hold the same position
// more than once (a route's end and the map's centre), and then all must agree.
#include "core/ascii.h"
#include "core/position_parts.h"

#include <algorithm>
#include <array>

namespace quorvane::reading {

namespace {

constexpr std::string_view kGeoScheme = "geo:";
constexpr std::array<std::string_view, 2> kWebSchemes{"https://", "http://"};

// The hosts of the maps sites whose links are read.
constexpr std::array<std::string_view, 9> kMapsHosts{
    "maps.apple.com",        "maps.google.com",   "www.google.com", "google.com",
    "www.openstreetmap.org", "openstreetmap.org", "osm.org",        "waze.com",
    "www.waze.com",
};

// Query parameters whose value is "LAT,LON".
constexpr std::array<std::string_view, 9> kPointParameters{
    "q", "query", "ll", "daddr", "saddr", "destination", "center", "sll", "to"};

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (ascii::toLower(text[i]) != ascii::toLower(prefix[i])) return false;
    return true;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithIgnoringCase(a, b);
}

// Splits at the first `separator`; the rest is empty when there is none.
struct Split {
    std::string_view head;
    std::string_view rest;
    bool found = false;
};
Split splitAt(std::string_view text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos) return {text, {}, false};
    return {text.substr(0, at), text.substr(at + 1), true};
}

// ---- geo: ---------------------------------------------------------------------------------

// An RFC 5870 number fills the whole piece: [-]digits[.digits] (no "+").
bool isRfcNumber(std::string_view text) {
    return !text.empty() && text.front() != '+' && signedDecimalLength(text) == text.size();
}

PositionReading readGeoUri(std::string_view uri) {
    const Split query = splitAt(uri.substr(kGeoScheme.size()), '?');
    const Split parameters = splitAt(query.head, ';');

    std::array<std::string_view, 3> numbers{}; // latitude, longitude, altitude
    std::size_t count = 0;
    for (Split rest{{}, parameters.head, true}; rest.found;) {
        rest = splitAt(rest.rest, ',');
        if (count == numbers.size() || !isRfcNumber(rest.head))
            return failure(PositionError::badLink, ErrorPart::text,
                           rest.head.empty() ? uri : rest.head);
        numbers[count++] = rest.head;
    }
    if (count < 2) return failure(PositionError::badLink, ErrorPart::text, uri);

    for (Split rest{{}, parameters.rest, parameters.found}; rest.found;) {
        rest = splitAt(rest.rest, ';');
        const Split parameter = splitAt(rest.head, '=');
        if (equalsIgnoringCase(parameter.head, "crs") &&
            !equalsIgnoringCase(parameter.rest, "wgs84"))
            return failure(PositionError::badLink, ErrorPart::text, rest.head);
    }
    // Only the zoom of the map may follow; a search (?q=) names no position of its own.
    for (Split rest{{}, query.rest, query.found}; rest.found;) {
        rest = splitAt(rest.rest, '&');
        if (!startsWithIgnoringCase(rest.head, "z="))
            return failure(PositionError::noPositionInLink, ErrorPart::text, uri);
    }
    return signedDecimalPosition(numbers[0], numbers[1]);
}

// ---- Maps sites ---------------------------------------------------------------------------

// "," or its escapes, with blanks ("+", "%20") after it.
std::size_t pairSeparatorLength(std::string_view text) {
    std::size_t i = 0;
    if (startsWithIgnoringCase(text, "%2C"))
        i = 3;
    else if (!text.empty() && (text[0] == ',' || text[0] == '/'))
        i = 1;
    else
        return 0;
    while (true) {
        if (i < text.size() && text[i] == '+')
            ++i;
        else if (startsWithIgnoringCase(text.substr(i), "%20"))
            i += 3;
        else
            return i;
    }
}

// "LAT,LON" (or "LAT/LON") at the start of text, followed by the end or `allowedAfter`.
struct PairReading {
    bool found = false;
    PositionReading position;
};
PairReading pairAt(std::string_view text, std::string_view allowedAfter) {
    const std::size_t first = signedDecimalLength(text);
    if (first == 0) return {};
    const std::size_t separator = pairSeparatorLength(text.substr(first));
    if (separator == 0) return {};
    const std::string_view rest = text.substr(first + separator);
    const std::size_t second = signedDecimalLength(rest);
    if (second == 0) return {};
    if (second < rest.size() && allowedAfter.find(rest[second]) == std::string_view::npos)
        return {};
    return {true, signedDecimalPosition(text.substr(0, first), rest.substr(0, second))};
}

// The positions of a link, each compared with the first.
class LinkPositions {
public:
    explicit LinkPositions(std::string_view link) : link_(link) {}

    void add(const PositionReading& p) {
        if (!result_.ok() && result_.error != PositionError::empty) return;
        if (!p.ok()) {
            result_ = p;
        } else if (result_.error == PositionError::empty) {
            result_ = p;
        } else if (!agree(result_, p)) {
            PositionReading r = failure(PositionError::readingsDisagree, ErrorPart::text, link_);
            r.competing = {result_.point, p.point};
            result_ = r;
        }
    }

    PositionReading result() const {
        if (result_.error == PositionError::empty)
            return failure(PositionError::noPositionInLink, ErrorPart::text, link_);
        return result_;
    }

private:
    std::string_view link_;
    PositionReading result_;
};

// "@48.85,2.29,17z" in the path.
void readPathPoint(std::string_view path, LinkPositions& positions) {
    for (Split rest{{}, path, true}; rest.found;) {
        rest = splitAt(rest.rest, '/');
        if (!rest.head.empty() && rest.head.front() == '@')
            if (const PairReading p = pairAt(rest.head.substr(1), ","); p.found)
                positions.add(p.position);
    }
}

void readQuery(std::string_view query, LinkPositions& positions) {
    std::string_view markerLatitude;
    std::string_view markerLongitude;
    for (Split rest{{}, query, !query.empty()}; rest.found;) {
        rest = splitAt(rest.rest, '&');
        const Split parameter = splitAt(rest.head, '=');
        const std::string_view name = parameter.head;
        std::string_view value = parameter.rest;
        if (name == "mlat") markerLatitude = value;
        if (name == "mlon") markerLongitude = value;
        if (name == "route") {
            // "FROM;TO" with ";" escaped: the destination is the position.
            const auto to = value.rfind("%3B") != std::string_view::npos ? value.rfind("%3B") + 3
                                                                         : value.rfind(';') + 1;
            value = value.substr(to);
        } else if (std::find(kPointParameters.begin(), kPointParameters.end(), name) ==
                   kPointParameters.end()) {
            continue;
        }
        // Waze writes "to=ll.LAT,LON"; a value that is a place name is no position.
        if (value.substr(0, 3) == "ll.") value.remove_prefix(3);
        if (const PairReading p = pairAt(value, ""); p.found) positions.add(p.position);
    }
    if (!markerLatitude.empty() && !markerLongitude.empty() &&
        signedDecimalLength(markerLatitude) == markerLatitude.size() &&
        signedDecimalLength(markerLongitude) == markerLongitude.size())
        positions.add(signedDecimalPosition(markerLatitude, markerLongitude));
}

// "#map=16/48.85/2.29"
void readFragment(std::string_view fragment, LinkPositions& positions) {
    constexpr std::string_view kMap = "map=";
    if (fragment.substr(0, kMap.size()) != kMap) return;
    const Split zoom = splitAt(fragment.substr(kMap.size()), '/');
    if (const PairReading p = pairAt(zoom.rest, "&"); zoom.found && p.found)
        positions.add(p.position);
}

PositionReading readMapsLink(std::string_view link, std::string_view afterScheme) {
    const auto hostEnd = afterScheme.find_first_of("/?#");
    const std::string_view host = afterScheme.substr(0, hostEnd);
    const bool known = std::any_of(kMapsHosts.begin(), kMapsHosts.end(),
                                   [&](std::string_view h) { return equalsIgnoringCase(host, h); });
    if (!known) return failure(PositionError::unsupportedLink, ErrorPart::text, link);

    const std::string_view rest =
        hostEnd == std::string_view::npos ? std::string_view{} : afterScheme.substr(hostEnd);
    const Split fragment = splitAt(rest, '#');
    const Split query = splitAt(fragment.head, '?');
    LinkPositions positions(link);
    readPathPoint(query.head, positions);
    readQuery(query.rest, positions);
    readFragment(fragment.rest, positions);
    return positions.result();
}

} // namespace

bool startsWithLink(std::string_view text) noexcept {
    if (startsWithIgnoringCase(text, kGeoScheme)) return true;
    return std::any_of(kWebSchemes.begin(), kWebSchemes.end(),
                       [&](std::string_view s) { return startsWithIgnoringCase(text, s); });
}

PositionReading readLink(std::string_view link) noexcept {
    if (startsWithIgnoringCase(link, kGeoScheme)) return readGeoUri(link);
    for (const std::string_view scheme : kWebSchemes)
        if (startsWithIgnoringCase(link, scheme))
            return readMapsLink(link, link.substr(scheme.size()));
    return failure(PositionError::unsupportedLink, ErrorPart::text, link);
}

} // namespace quorvane::reading
