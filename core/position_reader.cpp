// Reading a position: the text is first cleaned of what copying brought along, then offered to
// the readers of the kinds of text in turn (links, sentences, data snippets, grid references);
// the written coordinates (position_written.cpp) take the rest.
#include "core/position_reader.h"

#include "core/ascii.h"
#include "core/grid/grid_reference.h"
#include "core/position_parts.h"
#include "core/position_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace quorvane {

namespace {

using reading::SourceText;

// ---- The readers --------------------------------------------------------------------------

// The kinds of text, tried in order on the cleaned text: the first that takes a text reads it.
// The written coordinates come last and take any text.
struct TextReader {
    std::string_view name;
    // Every text of the kind holds one of these characters (none: any text may be of it), so
    // most texts are passed by without a look at their shape.
    std::string_view cues;
    bool (*takes)(std::string_view text) noexcept;
    PositionReading (*read)(const SourceText& source, std::string_view text) noexcept;
};

// The ASCII characters a text holds.
class CharacterSet {
public:
    explicit CharacterSet(std::string_view text) {
        for (const char c : text)
            if (ascii::isAscii(c)) add(c);
    }
    bool holdsAnyOf(std::string_view cues) const {
        return cues.empty() || std::any_of(cues.begin(), cues.end(), [this](char c) {
                   return (bits_[index(c) / kWordBits] >> (index(c) % kWordBits) & 1U) != 0;
               });
    }

private:
    static constexpr std::size_t kWordBits = 64;
    static std::size_t index(char c) { return static_cast<unsigned char>(c); }
    void add(char c) { bits_[index(c) / kWordBits] |= std::uint64_t{1} << (index(c) % kWordBits); }
    std::array<std::uint64_t, ascii::kCharacters / kWordBits> bits_{};
};

// The commonest text, two signed decimal numbers and a comma ("-45.5, 73.25", also the form's
// own line), read without tokens and before the first pass. Anything else, even a blank before
// the comma, takes the general road, which reads these texts the same way.
bool isPlainPair(std::string_view text) noexcept {
    const std::size_t first = reading::signedDecimalLength(text);
    if (first == 0 || first >= text.size() || text[first] != ',') return false;
    std::size_t second = first + 1;
    while (second < text.size() && text[second] == ' ')
        ++second;
    // "46,8" is one number with a decimal comma, which the general road refuses.
    const bool oneNumber = second == first + 1 && text.find('.') == std::string_view::npos;
    return !oneNumber && second < text.size() &&
           reading::signedDecimalLength(text.substr(second)) == text.size() - second;
}

PositionReading readPlainPair(std::string_view text) noexcept {
    const std::size_t comma = text.find(',');
    const std::size_t second = text.find_first_not_of(' ', comma + 1);
    return reading::signedDecimalPosition(text.substr(0, comma), text.substr(second));
}

bool isWholeLink(std::string_view text) noexcept {
    return reading::startsWithLink(text) && reading::linkLength(text) == text.size();
}
bool anyText(std::string_view) noexcept {
    return true;
}

// Captions people put before a grid reference: "MGRS: 31U DQ 48250 11951", "Locator JN18du".
constexpr std::array<std::string_view, 10> kGridCaptions{
    "utm zone",  "utm",      "mgrs",        "usng",    "zone",
    "plus code", "pluscode", "qth locator", "locator", "grid square"};

std::string_view withoutGridCaption(std::string_view text) {
    if (text.empty() || !ascii::isLetter(text.front())) return text;
    for (const std::string_view caption : kGridCaptions) {
        if (text.size() <= caption.size() || !ascii::startsWithIgnoringCase(text, caption))
            continue;
        const char after = text[caption.size()];
        if (after == ':' || after == ' ')
            return reading::trimBlanks(text.substr(caption.size() + 1));
    }
    return text;
}

// A grid reference (UTM/UPS, MGRS, Plus Code, Maidenhead locator) by its shape; the position
// is the centre of the square it names, to the seven decimals the form's fill writes.
bool isGridReference(std::string_view text) noexcept {
    return grid::recogniseGridSystem(withoutGridCaption(text)).has_value();
}

constexpr double kSevenDecimals = 1e7;
constexpr double kMetresPerDegree = 111'320; // a degree of latitude, near enough for a precision

PositionReading readGridPosition(const SourceText&, std::string_view text) noexcept {
    const std::string_view reference = withoutGridCaption(text);
    const grid::GridReading g = grid::readGridReference(reference);
    if (!g.ok())
        return reading::failure(PositionError::badGridReference, ErrorPart::text, reference);
    return positionOfReference(g);
}

PositionReading readWrittenText(const SourceText& source, std::string_view text) noexcept {
    return reading::readWritten(source, text);
}

PositionReading readLinkText(const SourceText& source, std::string_view text) noexcept {
    return reading::readLink(source, text);
}

// clang-format off
constexpr std::array<TextReader, 10> kTextReaders{{
    {"link", ":", isWholeLink, readLinkText},
    {"NMEA 0183 sentences", "$", reading::holdsNmeaSentence, reading::readNmeaSentences},
    {"APRS position report", "!=/@", reading::isAprsReport, reading::readAprsReport},
    {"GeoJSON geometry", "[", reading::holdsGeoJsonCoordinates, reading::readGeoJsonCoordinates},
    {"KML coordinates", "<", reading::holdsKmlCoordinates, reading::readKmlCoordinates},
    {"photo metadata lines", ":", reading::holdsExifPosition, reading::readExifPosition},
    {"table with a header", "\n", reading::isTableWithHeader, reading::readTable},
    {"named values (JSON, GPX, XML)", "=\"'<", reading::holdsNamedValues, reading::readNamedValues},
    {"grid reference", "", isGridReference, readGridPosition},
    {"written coordinates", "", anyText, readWrittenText},
}};
// clang-format on

} // namespace

PositionReading positionOfReference(const grid::GridReading& reference) noexcept {
    PositionReading r;
    r.error = PositionError::none;
    r.point = {std::round(reference.latitude * kSevenDecimals) / kSevenDecimals,
               std::round(reference.longitude * kSevenDecimals) / kSevenDecimals};
    const double height = reference.cell.unit == grid::CellUnit::metres
                              ? reference.cell.height / kMetresPerDegree
                              : reference.cell.height;
    r.precision = height / 2;
    r.reference = reference;
    return r;
}

PositionReading readPosition(std::string_view text) noexcept {
    const std::string_view trimmed = reading::trimBlanks(text);
    if (trimmed.empty()) return reading::failure(PositionError::empty, ErrorPart::text, text);
    if (isPlainPair(trimmed)) return readPlainPair(trimmed);
    const SourceText source = SourceText::cleaned(trimmed);
    if (source.overflowed()) return reading::failure(PositionError::tooLong, ErrorPart::text, {});
    const std::string_view clean = reading::trimBlanks(source.view());
    if (clean.empty()) return reading::failure(PositionError::empty, ErrorPart::text, text);
    const CharacterSet characters(clean);
    for (const TextReader& reader : kTextReaders)
        if (characters.holdsAnyOf(reader.cues) && reader.takes(clean))
            return source.rebased(reader.read(source, clean));
    return reading::failure(PositionError::strayCharacter, ErrorPart::text, trimmed);
}

} // namespace quorvane
