// Device and radio sentences: NMEA 0183 GGA, RMC and GLL sentences as receivers write them, and
// APRS position reports as radio amateurs' stations send them. Both write latitude as DDMM.mm
// and longitude as DDDMM.mm with the hemisphere letter beside them; they are read as degrees
// and decimal minutes, which the form then shows as written.
#include "core/ascii.h"
#include "core/nmea_sentence.h"
#include "core/position_parts.h"
#include "core/position_text.h"

#include <algorithm>

namespace quorvane::reading {

namespace {

constexpr std::size_t kMinutesWholeDigits = 2; // the last two whole digits of DDMM.mm
constexpr std::size_t kAddressLength = 5;      // talker and type: "GPGGA"

// "4807.038" -> "48" and "07.038" read with their letters as degrees and decimal minutes.
PositionReading readPackedMinutes(const SourceText& source, std::string_view latitude,
                                  std::string_view latitudeSide, std::string_view longitude,
                                  std::string_view longitudeSide) {
    SourceText text(source.original());
    for (const auto& [value, side] :
         {std::pair{latitude, latitudeSide}, {longitude, longitudeSide}}) {
        const std::size_t whole = std::min(value.find('.'), value.size());
        if (whole <= kMinutesWholeDigits)
            return failure(PositionError::badSentence, ErrorPart::text, value);
        if (text.view().size() > 0) text.appendOwn(", ");
        text.append(value.substr(0, whole - kMinutesWholeDigits), source);
        text.appendOwn(" ");
        text.append(value.substr(whole - kMinutesWholeDigits), source);
        text.appendOwn(" ");
        text.append(side, source);
    }
    return text.rebased(readWritten(text, text.view()));
}

// ---- NMEA 0183 ---------------------------------------------------------------------------

// "$GPGGA," and the like: "$", a five-letter address, a comma.
bool isSentenceStart(std::string_view text) {
    if (text.size() < kAddressLength + 2 || text.front() != '$') return false;
    const std::string_view address = text.substr(1, kAddressLength);
    return std::all_of(address.begin(), address.end(),
                       [](char c) { return c >= 'A' && c <= 'Z'; }) &&
           text[kAddressLength + 1] == ',';
}

PositionReading readSentence(const SourceText& source, std::string_view text) {
    const nmea::Sentence sentence = nmea::splitSentence(text);
    const std::optional<nmea::PositionFields> fields = nmea::positionFields(sentence);
    if (!fields) return failure(PositionError::empty, ErrorPart::text, text);
    if (nmea::checkChecksum(sentence) == nmea::Checksum::differs)
        return failure(PositionError::badChecksum, ErrorPart::text, text);
    if (const std::optional<std::size_t> broken = nmea::firstBrokenField(sentence)) {
        const std::string_view field = sentence.fields[*broken];
        return failure(PositionError::badSentence, ErrorPart::text, field.empty() ? text : field);
    }
    if (fields->fix == nmea::Fix::none) return failure(PositionError::noFix, ErrorPart::text, text);
    return readPackedMinutes(source, fields->latitude, fields->latitudeSide, fields->longitude,
                             fields->longitudeSide);
}

// ---- APRS --------------------------------------------------------------------------------

constexpr std::string_view kWithoutTime = "!=";
constexpr std::string_view kWithTime = "/@";
constexpr std::size_t kTimeLength = 7;        // "092345z", "234517h"
constexpr std::size_t kLatitudeLength = 8;    // "4903.50N"
constexpr std::size_t kLongitudeLength = 9;   // "07201.75W"
constexpr std::size_t kSymbolTableLength = 1; // between them

// The information field: after "SOURCE>DESTINATION,PATH:" when the report has its header.
std::string_view informationField(std::string_view text) {
    const auto arrow = text.find('>');
    const auto colon = text.find(':');
    if (arrow == std::string_view::npos || colon == std::string_view::npos || arrow > colon)
        return text;
    return text.substr(colon + 1);
}

// Where the latitude starts, 0 when the field is no uncompressed position report.
std::size_t latitudeStart(std::string_view info) {
    if (info.empty()) return 0;
    const std::size_t start = kWithoutTime.find(info.front()) != std::string_view::npos ? 1
                              : kWithTime.find(info.front()) != std::string_view::npos
                                  ? 1 + kTimeLength
                                  : 0;
    if (start == 0 || info.size() < start + kLatitudeLength + kSymbolTableLength + kLongitudeLength)
        return 0;
    const std::string_view latitude = info.substr(start, kLatitudeLength);
    // DDMM.mm with blanks for the digits a station leaves out on purpose (ambiguity).
    constexpr std::size_t kDot = 4;
    for (std::size_t k = 0; k + 1 < kLatitudeLength; ++k)
        if (k == kDot ? latitude[k] != '.' : !(ascii::isDigit(latitude[k]) || latitude[k] == ' '))
            return 0;
    return latitude.back() == 'N' || latitude.back() == 'S' ? start : 0;
}

} // namespace

bool holdsNmeaSentence(std::string_view text) noexcept {
    for (auto at = text.find('$'); at != std::string_view::npos; at = text.find('$', at + 1))
        if (isSentenceStart(text.substr(at))) return true;
    return false;
}

PositionReading readNmeaSentences(const SourceText& source, std::string_view text) noexcept {
    Agreement positions;
    for (auto at = text.find('$'); at != std::string_view::npos && !positions.failed();
         at = text.find('$', at + 1)) {
        if (!isSentenceStart(text.substr(at))) continue;
        const std::string_view rest = text.substr(at);
        const PositionReading p = readSentence(source, rest.substr(0, rest.find_first_of(" \t\n")));
        if (p.error != PositionError::empty) positions.add(p);
    }
    return positions.result(failure(PositionError::noPositionSentence, ErrorPart::text, text));
}

bool isAprsReport(std::string_view text) noexcept {
    return latitudeStart(informationField(text)) > 0;
}

PositionReading readAprsReport(const SourceText& source, std::string_view text) noexcept {
    const std::string_view info = informationField(text);
    const std::size_t start = latitudeStart(info);
    const std::string_view latitude = info.substr(start, kLatitudeLength);
    const std::string_view longitude =
        info.substr(start + kLatitudeLength + kSymbolTableLength, kLongitudeLength);
    if (latitude.find(' ') != std::string_view::npos ||
        longitude.find(' ') != std::string_view::npos)
        return failure(PositionError::badSentence, ErrorPart::text, latitude);
    return readPackedMinutes(
        source, latitude.substr(0, kLatitudeLength - 1), latitude.substr(kLatitudeLength - 1),
        longitude.substr(0, kLongitudeLength - 1), longitude.substr(kLongitudeLength - 1));
}

} // namespace quorvane::reading
