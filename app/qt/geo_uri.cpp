#include "geo_uri.h"

#include <array>
#include <charconv>
#include <cstddef>

namespace quorvane {

namespace {

constexpr std::string_view kScheme = "geo:";
constexpr double kLatitudeLimit = 90;
constexpr double kLongitudeLimit = 180;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// num = [ "-" ] 1*DIGIT [ "." 1*DIGIT ]
bool isRfcNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    const std::size_t intStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == intStart) return false;
    if (i == text.size()) return true;
    if (text[i] != '.') return false;
    const std::size_t fracStart = ++i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > fracStart && i == text.size();
}

std::optional<double> numberValue(std::string_view text) {
    if (!isRfcNumber(text)) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Splits at the first occurrence of `separator`; the rest is empty when there is none.
std::pair<std::string_view, std::string_view> splitAt(std::string_view text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos) return {text, {}};
    return {text.substr(0, at), text.substr(at + 1)};
}

// Checks the ";name=value" parameters: only WGS-84 coordinates are understood.
std::string parameterError(std::string_view parameters) {
    while (!parameters.empty()) {
        auto [parameter, rest] = splitAt(parameters, ';');
        parameters = rest;
        const auto [name, value] = splitAt(parameter, '=');
        if (equalsIgnoringCase(name, "crs") && !equalsIgnoringCase(value, "wgs84"))
            return "the coordinate system '" + std::string(value) +
                   "' is not supported (only wgs84)";
    }
    return {};
}

} // namespace

bool isGeoUri(std::string_view text) {
    return text.size() >= kScheme.size() &&
           equalsIgnoringCase(text.substr(0, kScheme.size()), kScheme);
}

GeoUriReading readGeoUri(std::string_view uri) {
    if (!isGeoUri(uri)) return {std::nullopt, "not a geo: URI"};
    auto [path, query] = splitAt(uri.substr(kScheme.size()), '?');
    if (!query.empty())
        return {std::nullopt, "geo: URIs with a query (such as a search) are not supported"};
    const auto [coordinates, parameters] = splitAt(path, ';');

    std::array<std::string_view, 3> parts{}; // latitude, longitude, altitude
    std::size_t count = 0;
    for (std::string_view rest = coordinates;;) {
        if (count == parts.size())
            return {std::nullopt, "a geo: URI holds at most latitude, longitude and altitude"};
        const auto comma = rest.find(',');
        parts[count++] = rest.substr(0, comma);
        if (comma == std::string_view::npos) break;
        rest = rest.substr(comma + 1);
    }
    if (count < 2)
        return {std::nullopt, "a geo: URI needs a latitude and a longitude: geo:LAT,LON"};

    const auto latitude = numberValue(parts[0]);
    const auto longitude = numberValue(parts[1]);
    if (!latitude || !longitude || (count == 3 && !numberValue(parts[2])))
        return {std::nullopt, "the coordinates of a geo: URI are decimal numbers such as "
                              "geo:48.8583701,2.2944813"};
    if (*latitude < -kLatitudeLimit || *latitude > kLatitudeLimit)
        return {std::nullopt, "latitude " + std::string(parts[0]) + " is out of range (-90 to 90)"};
    if (*longitude < -kLongitudeLimit || *longitude > kLongitudeLimit)
        return {std::nullopt,
                "longitude " + std::string(parts[1]) + " is out of range (-180 to 180)"};
    if (std::string error = parameterError(parameters); !error.empty())
        return {std::nullopt, std::move(error)};

    return {std::string(parts[0]) + ", " + std::string(parts[1]), {}};
}

} // namespace quorvane
