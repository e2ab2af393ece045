// Links that carry a position: geo: URIs (RFC 5870, and as the share buttons of phones write
// them) and the links of maps sites and apps. A site's links are read by its row in the table:
// which query parameters, path segments and fragment hold a position, in which order (Yandex and
// 2GIS put the longitude first), and whether that position is the place the link is about or
// only the centre of the map's view. The place wins over the view; positions of one rank must
// agree. A link of a site not in the table is read only where its parameters name latitude and
// longitude (lat=, lon=), never by guessing the order of two numbers.
#include "core/ascii.h"
#include "core/position_parts.h"
#include "core/position_text.h"

#include <algorithm>
#include <array>
#include <span>

namespace quorvane::reading {

namespace {

constexpr std::string_view kGeoScheme = "geo:";
constexpr std::array<std::string_view, 2> kWebSchemes{"https://", "http://"};

enum class Order : std::uint8_t { latitudeFirst, longitudeFirst };
enum class Rank : std::uint8_t { place, view };

// How a value holds its position.
enum class Form : std::uint8_t {
    pair,      // signed decimal degrees, "LAT,LON" (or ~ _ / and escapes), maybe more after
    written,   // any written position, percent-encoded: 48°51'30.1"N 2°17'40.1"E, loc:48.8,2.2
    lastOfAll, // a route, pairs separated by ~ or ;: its last one, the destination
    eachOfAll, // several marks, pairs separated by ~: all must agree
    geohack,   // 48_51_29.6_N_2_17_40.2_E_type:landmark
};

struct PositionParameter {
    std::string_view name;
    Form form;
    Order order;
    Rank rank;
    std::string_view prefix = {}; // stripped first: "ll." (Waze), "point." (Bing), "loc:"
};

// A path segment after the segment `after` (for directions the last one that is a position).
struct PathRule {
    std::string_view after;
    Form form;
    Order order;
    bool lastOnly = false;
};

// Two parameters that name latitude and longitude.
struct NamedPair {
    std::string_view latitude;
    std::string_view longitude;
    Rank rank;
};

constexpr Order kLatLon = Order::latitudeFirst;
constexpr Order kLonLat = Order::longitudeFirst;
constexpr Rank kPlace = Rank::place;
constexpr Rank kView = Rank::view;

// Read in the links of every site, known or not.
constexpr std::array<NamedPair, 4> kNamedPairs{{
    {"mlat", "mlon", kPlace},
    {"lat", "lon", kPlace},
    {"lat", "lng", kPlace},
    {"latitude", "longitude", kPlace},
}};

// clang-format off
constexpr std::array<PositionParameter, 7> kGoogleParameters{{
    {"q", Form::written, kLatLon, kPlace, "loc:"},
    {"query", Form::written, kLatLon, kPlace, "loc:"},
    {"daddr", Form::written, kLatLon, kPlace, "loc:"},
    {"destination", Form::written, kLatLon, kPlace},
    {"ll", Form::pair, kLatLon, kView},
    {"center", Form::pair, kLatLon, kView},
    {"sll", Form::pair, kLatLon, kView},
}};
constexpr std::array<PathRule, 3> kGooglePaths{{
    {"place", Form::written, kLatLon},
    {"search", Form::written, kLatLon},
    {"dir", Form::written, kLatLon, true},
}};
constexpr std::array<PositionParameter, 7> kAppleParameters{{
    {"ll", Form::pair, kLatLon, kPlace},
    {"q", Form::written, kLatLon, kPlace},
    {"daddr", Form::written, kLatLon, kPlace},
    {"destination", Form::written, kLatLon, kPlace},
    {"coordinate", Form::pair, kLatLon, kPlace},
    {"sll", Form::pair, kLatLon, kView},
    {"center", Form::pair, kLatLon, kView},
}};
constexpr std::array<PositionParameter, 2> kOpenStreetMapParameters{{
    {"route", Form::lastOfAll, kLatLon, kPlace},
    {"query", Form::written, kLatLon, kPlace},
}};
constexpr std::array<PositionParameter, 3> kWazeParameters{{
    {"ll", Form::pair, kLatLon, kPlace},
    {"to", Form::pair, kLatLon, kPlace, "ll."},
    {"q", Form::written, kLatLon, kPlace},
}};
constexpr std::array<PositionParameter, 5> kBingParameters{{
    {"sp", Form::pair, kLatLon, kPlace, "point."},
    {"rtp", Form::lastOfAll, kLatLon, kPlace},
    {"where1", Form::written, kLatLon, kPlace},
    {"q", Form::written, kLatLon, kPlace},
    {"cp", Form::pair, kLatLon, kView},
}};
constexpr std::array<PositionParameter, 6> kYandexParameters{{
    {"pt", Form::eachOfAll, kLonLat, kPlace},
    {"whatshere[point]", Form::pair, kLonLat, kPlace},
    {"whatshere%5Bpoint%5D", Form::pair, kLonLat, kPlace},
    {"rtext", Form::lastOfAll, kLatLon, kPlace},
    {"text", Form::written, kLatLon, kPlace},
    {"ll", Form::pair, kLonLat, kView},
}};
constexpr std::array<PositionParameter, 1> k2GisParameters{{
    {"m", Form::pair, kLonLat, kView},
}};
constexpr std::array<PathRule, 1> k2GisPaths{{{"geo", Form::pair, kLonLat}}};
constexpr std::array<PositionParameter, 1> kHereParameters{{
    {"map", Form::pair, kLatLon, kView},
}};
constexpr std::array<PathRule, 1> kHerePaths{{{"l", Form::pair, kLatLon}}};
constexpr std::array<PositionParameter, 1> kOsmAndParameters{{
    {"pin", Form::pair, kLatLon, kPlace},
}};
constexpr std::array<PositionParameter, 1> kGeoHackParameters{{
    {"params", Form::geohack, kLatLon, kPlace},
}};
// clang-format on
constexpr std::array<NamedPair, 1> kMapyNames{{{"y", "x", kView}}};

struct Site {
    std::array<std::string_view, 2> names; // the host's name before its top-level domain
    std::span<const PositionParameter> parameters = {};
    std::span<const PathRule> paths = {};
    std::span<const NamedPair> namedPairs = {};
    bool googlePath = false; // "@LAT,LON,zoom" (view) and "!3dLAT!4dLON" (place) in the path
    bool fragment = false;   // "#map=ZOOM/LAT/LON" or "#ZOOM/LAT/LON" (view)
};

// Any country domain of these names is read: google.de, google.co.uk, yandex.com.tr, 2gis.kz.
// Short links (goo.gl) hide their position: known, but they hold none.
constexpr std::array<Site, 12> kSites{{
    {{"google"}, kGoogleParameters, kGooglePaths, {}, true, false},
    {{"apple"}, kAppleParameters},
    {{"openstreetmap", "osm"}, kOpenStreetMapParameters, {}, {}, false, true},
    {{"waze"}, kWazeParameters},
    {{"bing"}, kBingParameters},
    {{"yandex"}, kYandexParameters},
    {{"2gis"}, k2GisParameters, k2GisPaths},
    {{"here"}, kHereParameters, kHerePaths},
    {{"osmand"}, kOsmAndParameters, {}, {}, false, true},
    {{"toolforge", "wmflabs"}, kGeoHackParameters},
    {{"mapy"}, {}, {}, kMapyNames},
    {{"goo"}},
}};

using ascii::equalsIgnoringCase;
using ascii::startsWithIgnoringCase;

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

// The pieces of `text` between `separator`s, in order.
template <class Visit> void forEachPiece(std::string_view text, char separator, Visit visit) {
    for (Split rest{{}, text, !text.empty()}; rest.found;) {
        rest = splitAt(rest.rest, separator);
        visit(rest.head);
    }
}

// ---- The host ----------------------------------------------------------------------------

// "www.google.co.uk" -> "google": the label before the top-level domain, or before a country's
// "co.", "com." or "org." second level.
std::string_view siteName(std::string_view host) {
    const auto cut = [](std::string_view h) {
        const auto dot = h.rfind('.');
        return dot == std::string_view::npos ? std::string_view{} : h.substr(0, dot);
    };
    std::string_view rest = cut(host);
    const auto dot = rest.rfind('.');
    const std::string_view second = rest.substr(dot == std::string_view::npos ? 0 : dot + 1);
    constexpr std::size_t kCountryCode = 2;
    const bool countrySecondLevel = host.size() - rest.size() - 1 == kCountryCode &&
                                    (second == "co" || second == "com" || second == "org");
    if (countrySecondLevel && dot != std::string_view::npos) rest = rest.substr(0, dot);
    const auto start = rest.rfind('.');
    return start == std::string_view::npos ? rest : rest.substr(start + 1);
}

const Site* siteOf(std::string_view host) {
    const std::string_view name = siteName(host);
    for (const Site& site : kSites)
        for (const std::string_view n : site.names)
            if (!n.empty() && equalsIgnoringCase(name, n)) return &site;
    return nullptr;
}

// ---- Values ------------------------------------------------------------------------------

constexpr std::size_t kEscapeLength = 3; // "%2C"

// "," "~" "_" "/" or an escaped comma or tilde, with blanks ("+", "%20") after it.
std::size_t pairSeparatorLength(std::string_view text) {
    std::size_t i = 0;
    if (startsWithIgnoringCase(text, "%2C") || startsWithIgnoringCase(text, "%7E"))
        i = kEscapeLength;
    else if (!text.empty() && std::string_view(",~_/").find(text[0]) != std::string_view::npos)
        i = 1;
    else
        return 0;
    while (true) {
        if (i < text.size() && (text[i] == '+' || text[i] == ' '))
            ++i;
        else if (startsWithIgnoringCase(text.substr(i), "%20"))
            i += kEscapeLength;
        else
            return i;
    }
}

// What may follow a pair: the end, or what no number continues with (",16z", "/16", "(Name)").
enum class After : std::uint8_t { anything, endOrLabel };

// Two signed decimal numbers at the start of text, in the given order; not found: empty.
PositionReading pairAt(std::string_view text, Order order, After after) {
    const PositionReading none = failure(PositionError::empty, ErrorPart::text, text);
    const std::size_t first = signedDecimalLength(text);
    if (first == 0) return none;
    const std::size_t separator = pairSeparatorLength(text.substr(first));
    if (separator == 0) return none;
    const std::string_view rest = text.substr(first + separator);
    const std::size_t second = signedDecimalLength(rest);
    if (second == 0) return none;
    if (second < rest.size()) {
        const char next = rest[second];
        if (ascii::isDigit(next) || next == '.') return none;
        if (after == After::endOrLabel && next != '(') return none;
    }
    const std::string_view a = text.substr(0, first);
    const std::string_view b = rest.substr(0, second);
    return order == Order::latitudeFirst ? signedDecimalPosition(a, b)
                                         : signedDecimalPosition(b, a);
}

// The faults of a value that are no fault of the link: a search or a name is simply no position.
bool isNoPosition(PositionError e) {
    return e == PositionError::empty || e == PositionError::missingHalf ||
           e == PositionError::wordInside || e == PositionError::unmarkedAmongWords ||
           e == PositionError::strayCharacter || e == PositionError::noPositionInLink ||
           e == PositionError::onlyWords;
}

// A value read as written coordinates after its escapes ("%C2%B0" is "°", "+" a blank).
PositionReading writtenValue(const SourceText& source, std::string_view value,
                             std::string_view blanks) {
    const bool escaped = value.find('%') != std::string_view::npos ||
                         value.find_first_of(blanks) != std::string_view::npos;
    if (!escaped) return readWritten(source, value, NestedLinks::passedOver);
    const SourceText decoded = SourceText::percentDecoded(source, value, blanks);
    if (decoded.overflowed()) return failure(PositionError::empty, ErrorPart::text, value);
    return decoded.rebased(
        readWritten(decoded, trimBlanks(decoded.view()), NestedLinks::passedOver));
}

// GeoHack's params: the position, then "_type:...", "_region:..." and the like.
PositionReading geohackValue(const SourceText& source, std::string_view value) {
    const auto colon = value.find(':');
    const auto end = colon == std::string_view::npos ? value.size() : value.rfind('_', colon);
    return writtenValue(source, value.substr(0, end == std::string_view::npos ? 0 : end), "_+");
}

PositionReading valueOf(const SourceText& source, std::string_view value, Form form,
                        Order order) {
    switch (form) {
    case Form::pair:
        return pairAt(value, order, After::anything);
    case Form::written:
        if (PositionReading p = pairAt(value, order, After::endOrLabel); p.ok()) return p;
        return writtenValue(source, value, "+");
    case Form::geohack:
        return geohackValue(source, value);
    case Form::lastOfAll:
    case Form::eachOfAll:
        break;
    }
    return failure(PositionError::empty, ErrorPart::text, value);
}

// ---- A link's positions ------------------------------------------------------------------

// "~" or ";" (also escaped) between the pairs of a route or of several marks.
constexpr std::array<std::string_view, 4> kListSeparators{"~", ";", "%3B", "%7E"};
// Bing writes "pos." before each pair of its route.
constexpr std::string_view kRoutePairPrefix = "pos.";

class Positions {
public:
    Positions(const SourceText& source, std::string_view link) : source_(source), link_(link) {}

    void add(const PositionReading& p, Rank rank) {
        if (!p.ok() && isNoPosition(p.error)) return;
        (rank == Rank::place ? place_ : view_).add(p);
    }

    void addValue(std::string_view value, Form form, Order order, Rank rank) {
        if (form == Form::lastOfAll || form == Form::eachOfAll)
            return addList(value, form, order, rank);
        add(valueOf(source_, value, form, order), rank);
    }

    bool found() const { return place_.found() || view_.found(); }

    // The place, else the view; `none` when the link holds neither.
    PositionReading result(PositionError none) const {
        const PositionReading nothing = failure(none, ErrorPart::text, link_);
        return place_.found() ? place_.result(nothing) : view_.result(nothing);
    }

private:
    void addList(std::string_view value, Form form, Order order, Rank rank) {
        std::string_view last;
        for (std::string_view rest = value; !rest.empty();) {
            std::size_t at = std::string_view::npos;
            std::size_t length = 0;
            for (const std::string_view separator : kListSeparators) {
                if (const auto found = rest.find(separator); found < at) {
                    at = found;
                    length = separator.size();
                }
            }
            std::string_view piece = rest.substr(0, at);
            if (startsWithIgnoringCase(piece, kRoutePairPrefix))
                piece.remove_prefix(kRoutePairPrefix.size());
            if (!piece.empty()) {
                if (form == Form::eachOfAll) add(pairAt(piece, order, After::anything), rank);
                last = piece;
            }
            rest = at == std::string_view::npos ? std::string_view{} : rest.substr(at + length);
        }
        if (form == Form::lastOfAll) add(pairAt(last, order, After::anything), rank);
    }

    const SourceText& source_;
    std::string_view link_;
    Agreement place_;
    Agreement view_;
};

// ---- geo: --------------------------------------------------------------------------------

// An RFC 5870 number fills the whole piece: [-]digits[.digits] (no "+").
bool isRfcNumber(std::string_view text) {
    return !text.empty() && text.front() != '+' && signedDecimalLength(text) == text.size();
}

bool isZero(std::string_view number) {
    return number.find_first_not_of("-0.") == std::string_view::npos;
}

PositionReading readGeoUri(const SourceText& source, std::string_view uri) {
    const Split query = splitAt(uri.substr(kGeoScheme.size()), '?');
    const Split parameters = splitAt(query.head, ';');
    // Phones write a blank after the comma, and some escape it.
    const bool escaped = parameters.head.find('%') != std::string_view::npos;
    const SourceText decoded =
        SourceText::percentDecoded(source, escaped ? parameters.head : std::string_view{}, "");
    std::array<std::string_view, 3> numbers{}; // latitude, longitude, altitude
    std::size_t count = 0;
    for (Split rest{{}, escaped ? decoded.view() : parameters.head, true}; rest.found;) {
        rest = splitAt(rest.rest, ',');
        const std::string_view number = trimBlanks(rest.head);
        if (count == numbers.size() || !isRfcNumber(number))
            return decoded.rebased(failure(PositionError::badLink, ErrorPart::text,
                                           number.empty() ? uri : number));
        numbers[count++] = number;
    }
    if (count < 2) return failure(PositionError::badLink, ErrorPart::text, uri);

    for (Split rest{{}, parameters.rest, parameters.found}; rest.found;) {
        rest = splitAt(rest.rest, ';');
        const Split parameter = splitAt(rest.head, '=');
        if (equalsIgnoringCase(parameter.head, "crs") &&
            !equalsIgnoringCase(parameter.rest, "wgs84"))
            return failure(PositionError::badLink, ErrorPart::text, rest.head);
    }
    // geo:0,0?q=48.85,2.29(Name) is how phones share a place: the query holds the position.
    // A query that is a search (q=Paris) names no position of its own.
    Positions positions(source, uri);
    bool search = false;
    forEachPiece(query.rest, '&', [&](std::string_view piece) {
        const Split parameter = splitAt(piece, '=');
        if (parameter.head != "q") return;
        const PositionReading p = valueOf(source, parameter.rest, Form::written, kLatLon);
        search = search || (!p.ok() && isNoPosition(p.error));
        positions.add(p, kPlace);
    });
    if (search) return failure(PositionError::noPositionInLink, ErrorPart::text, uri);
    const bool placeholder = isZero(numbers[0]) && isZero(numbers[1]);
    if (!placeholder || !positions.found())
        positions.add(decoded.rebased(signedDecimalPosition(numbers[0], numbers[1])), kPlace);
    return positions.result(PositionError::noPositionInLink);
}

// ---- Web links ---------------------------------------------------------------------------

// Where Google's place data writes the place's own latitude and longitude.
constexpr std::string_view kPlaceLatitude = "!3d";
constexpr std::string_view kPlaceLongitude = "!4d";

class WebLink {
public:
    WebLink(const SourceText& source, std::string_view link, const Site* site)
        : source_(source), site_(site), positions_(source, link) {}

    void readPath(std::string_view path) {
        if (site_ == nullptr) return;
        const PathRule* rule = nullptr;
        std::string_view destination;
        forEachPiece(path, '/', [&](std::string_view segment) {
            if (site_->googlePath) readGoogleSegment(segment);
            if (segment.starts_with('@') || segment.starts_with("data=")) rule = nullptr;
            if (rule != nullptr && !segment.empty()) {
                if (!rule->lastOnly)
                    positions_.addValue(segment, rule->form, rule->order, kPlace);
                else if (valueOf(source_, segment, rule->form, rule->order).ok())
                    destination = segment;
            }
            for (const PathRule& r : site_->paths)
                if (segment == r.after) rule = &r;
        });
        if (!destination.empty())
            positions_.addValue(destination, Form::written, kLatLon, kPlace);
    }

    void readQuery(std::string_view query) {
        readNamedPairs(kNamedPairs, query);
        if (site_ == nullptr) return;
        readNamedPairs(site_->namedPairs, query);
        forEachPiece(query, '&', [&](std::string_view piece) {
            const Split parameter = splitAt(piece, '=');
            for (const PositionParameter& p : site_->parameters) {
                if (parameter.head != p.name) continue;
                std::string_view value = parameter.rest;
                if (!p.prefix.empty() && startsWithIgnoringCase(value, p.prefix))
                    value.remove_prefix(p.prefix.size());
                positions_.addValue(value, p.form, p.order, p.rank);
            }
        });
    }

    // "#map=16/48.85/2.29" or "#16/48.85/2.29".
    void readFragment(std::string_view fragment) {
        if (site_ == nullptr || !site_->fragment) return;
        constexpr std::string_view kMap = "map=";
        if (fragment.starts_with(kMap)) fragment.remove_prefix(kMap.size());
        const Split zoom = splitAt(fragment, '/');
        if (zoom.found && !zoom.head.empty() &&
            std::all_of(zoom.head.begin(), zoom.head.end(), ascii::isDigit))
            positions_.addValue(zoom.rest, Form::pair, kLatLon, kView);
    }

    PositionReading result() const {
        return positions_.result(site_ == nullptr ? PositionError::unsupportedLink
                                                  : PositionError::noPositionInLink);
    }

private:
    // "@48.85,2.29,17z": the view; "!3d48.8583701!4d2.2944813": the place's own coordinates.
    void readGoogleSegment(std::string_view segment) {
        if (segment.starts_with('@'))
            positions_.addValue(segment.substr(1), Form::pair, kLatLon, kView);
        const auto latitude = segment.find(kPlaceLatitude);
        const auto longitude = segment.find(kPlaceLongitude);
        if (latitude == std::string_view::npos || longitude == std::string_view::npos) return;
        const std::string_view lat = segment.substr(latitude + kPlaceLatitude.size());
        const std::string_view lon = segment.substr(longitude + kPlaceLongitude.size());
        addNamed(lat.substr(0, signedDecimalLength(lat)), lon.substr(0, signedDecimalLength(lon)),
                 kPlace);
    }

    void readNamedPairs(std::span<const NamedPair> pairs, std::string_view query) {
        for (const NamedPair& named : pairs) {
            std::string_view latitude;
            std::string_view longitude;
            forEachPiece(query, '&', [&](std::string_view piece) {
                const Split parameter = splitAt(piece, '=');
                if (parameter.head == named.latitude) latitude = parameter.rest;
                if (parameter.head == named.longitude) longitude = parameter.rest;
            });
            addNamed(latitude, longitude, named.rank);
        }
    }

    // Two values named latitude and longitude, each signed decimal degrees.
    void addNamed(std::string_view latitude, std::string_view longitude, Rank rank) {
        const bool numbers = !latitude.empty() && !longitude.empty() &&
                             signedDecimalLength(latitude) == latitude.size() &&
                             signedDecimalLength(longitude) == longitude.size();
        if (numbers) positions_.add(signedDecimalPosition(latitude, longitude), rank);
    }

    const SourceText& source_;
    const Site* site_;
    Positions positions_;
};

PositionReading readWebLink(const SourceText& source, std::string_view link,
                            std::string_view afterScheme) {
    const auto hostEnd = afterScheme.find_first_of("/?#");
    const std::string_view host = afterScheme.substr(0, hostEnd);
    const std::string_view rest =
        hostEnd == std::string_view::npos ? std::string_view{} : afterScheme.substr(hostEnd);
    const Split fragment = splitAt(rest, '#');
    const Split query = splitAt(fragment.head, '?');
    WebLink web(source, link, siteOf(host));
    web.readPath(query.head);
    web.readQuery(query.rest);
    web.readFragment(fragment.rest);
    return web.result();
}

// The end of a link in running text: its first blank; but phones write "geo:48.85, 2.29" and
// labels in brackets ("(Eiffel Tower)") belong to the link; punctuation at its end is the
// sentence's.
std::size_t linkEnd(std::string_view text) {
    const bool geo = startsWithIgnoringCase(text, kGeoScheme);
    int brackets = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') ++brackets;
        if (c == ')' && brackets > 0) --brackets;
        if (c != ' ' && c != '\t' && c != '\n') continue;
        if (brackets > 0) continue;
        const bool afterComma = i > 0 && text[i - 1] == ',';
        const std::size_t next = text.find_first_not_of(' ', i);
        if (geo && afterComma && next != std::string_view::npos &&
            signedDecimalLength(text.substr(next)) > 0) {
            i = next - 1;
            continue;
        }
        break;
    }
    while (i > 0 && std::string_view(".,;:!?\"'>").find(text[i - 1]) != std::string_view::npos)
        --i;
    return i;
}

} // namespace

bool startsWithLink(std::string_view text) noexcept {
    if (startsWithIgnoringCase(text, kGeoScheme)) return true;
    return std::any_of(kWebSchemes.begin(), kWebSchemes.end(),
                       [&](std::string_view s) { return startsWithIgnoringCase(text, s); });
}

std::size_t linkLength(std::string_view text) noexcept {
    return linkEnd(text);
}

PositionReading readLink(const SourceText& source, std::string_view link) noexcept {
    if (startsWithIgnoringCase(link, kGeoScheme)) return readGeoUri(source, link);
    for (const std::string_view scheme : kWebSchemes)
        if (startsWithIgnoringCase(link, scheme))
            return readWebLink(source, link, link.substr(scheme.size()));
    return failure(PositionError::unsupportedLink, ErrorPart::text, link);
}

} // namespace quorvane::reading
