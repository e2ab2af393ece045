// Data snippets people copy a position from: GeoJSON geometries (longitude first, as its
// standard says), KML <coordinates> (longitude, latitude, altitude), the lines of photo metadata
// tools ("GPS Latitude : 48 deg 51' 30.13\" N", their Ref lines, "GPS Position"), tables with a
// header line naming the latitude and longitude columns, and values named by latitude and
// longitude keys in JSON, GPX and other XML ("lat": 48.85, lat="48.85", <lat>48.85</lat>). Each
// finds its pieces and reads them as a position; several positions must agree.
#include "core/ascii.h"
#include "core/position_parts.h"
#include "core/position_text.h"

#include <array>
#include <optional>

namespace quorvane::reading {

namespace {

constexpr std::string_view kLineBreak = "\n";

using ascii::equalsIgnoringCase;

bool isNameCharacter(char c) {
    return ascii::isLetter(c) || ascii::isDigit(c) || c == '_';
}

std::string_view skipBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view unquoted(std::string_view cell) {
    cell = trimBlanks(cell);
    if (cell.size() >= 2 && (cell.front() == '"' || cell.front() == '\'') &&
        cell.back() == cell.front())
        cell = cell.substr(1, cell.size() - 2);
    return trimBlanks(cell);
}

// The lines of a text, in order.
template <class Visit> void forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        visit(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

PositionReading noPosition(std::string_view text) {
    return failure(PositionError::empty, ErrorPart::text, text);
}

// Two signed decimal numbers at the start of `text` separated by a comma (and blanks), e.g. the
// "2.29, 48.85" of GeoJSON and KML: longitude first.
struct NumberList {
    std::array<std::string_view, 3> numbers{};
    std::size_t count = 0;
    std::size_t length = 0; // of the text read
};
NumberList numbersAt(std::string_view text, char separator, std::string_view end) {
    NumberList list;
    std::size_t i = 0;
    while (list.count < list.numbers.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
            ++i;
        const std::size_t length = signedDecimalLength(text.substr(i));
        if (length == 0) break;
        list.numbers[list.count++] = text.substr(i, length);
        i += length;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i == text.size() || text[i] != separator) break;
        ++i;
    }
    list.length = i;
    const bool ended = i == text.size() || end.find(text[i]) != std::string_view::npos;
    if (!ended || list.count < 2) list.count = 0;
    return list;
}

PositionReading longitudeFirst(const NumberList& list) {
    return signedDecimalPosition(list.numbers[1], list.numbers[0]);
}

// ---- GeoJSON -----------------------------------------------------------------------------

constexpr std::string_view kCoordinatesKey = "\"coordinates\"";

// Where the array after "coordinates": starts, npos when there is none.
std::size_t coordinatesArray(std::string_view text, std::size_t from) {
    for (auto at = text.find(kCoordinatesKey, from); at != std::string_view::npos;
         at = text.find(kCoordinatesKey, at + 1)) {
        const std::string_view rest = skipBlanks(text.substr(at + kCoordinatesKey.size()));
        if (rest.empty() || rest.front() != ':') continue;
        const std::string_view array = skipBlanks(rest.substr(1));
        if (!array.empty() && array.front() == '[')
            return static_cast<std::size_t>(array.data() - text.data());
    }
    return std::string_view::npos;
}

// ---- Photo metadata lines ----------------------------------------------------------------

enum class ExifField : std::uint8_t { latitude, longitude, latitudeRef, longitudeRef, position };
struct ExifName {
    std::string_view name; // lower case, blanks left out
    ExifField field;
};
constexpr std::array<ExifName, 5> kExifNames{{
    {"gpslatitude", ExifField::latitude},
    {"gpslongitude", ExifField::longitude},
    {"gpslatituderef", ExifField::latitudeRef},
    {"gpslongituderef", ExifField::longitudeRef},
    {"gpsposition", ExifField::position},
}};

struct ExifLine {
    const ExifName* name = nullptr;
    std::string_view value;
};

// "[GPS]  GPS Latitude   : 48 deg 51' 30.13\" N", also the short names (GPSLatitude).
ExifLine exifLine(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return {};
    std::string_view name = line.substr(0, colon);
    if (const auto group = name.find(']');
        !name.empty() && name.front() == '[' && group != std::string_view::npos)
        name.remove_prefix(group + 1);
    constexpr std::size_t kLongestName = 16;
    std::array<char, kLongestName> compact{};
    std::size_t size = 0;
    for (const char c : name) {
        if (c == ' ' || c == '\t') continue;
        if (size == compact.size()) return {};
        compact[size++] = ascii::toLower(c);
    }
    const std::string_view written(compact.data(), size);
    for (const ExifName& n : kExifNames)
        if (n.name == written) return {&n, trimBlanks(line.substr(colon + 1))};
    return {};
}

// A value that carries its own hemisphere: a sign before it or a letter after it.
bool carriesHemisphere(std::string_view value) {
    return !value.empty() &&
           (value.front() == '-' || value.front() == '+' || ascii::isLetter(value.back()));
}

class ExifPositions {
public:
    explicit ExifPositions(const SourceText& source) : source_(source) {}

    void add(const ExifLine& line) {
        switch (line.name->field) {
        case ExifField::position:
            return positions_.add(readWritten(source_, line.value));
        case ExifField::latitudeRef:
            latitudeRef_ = line.value;
            break;
        case ExifField::longitudeRef:
            longitudeRef_ = line.value;
            break;
        case ExifField::latitude:
            latitude_ = line.value;
            break;
        case ExifField::longitude:
            longitude_ = line.value;
            break;
        }
        if (!latitude_.empty() && !longitude_.empty()) readPair();
    }

    PositionReading result(std::string_view text) const {
        if (!positions_.found() && !latitude_.empty())
            return failure(PositionError::missingHalf, ErrorPart::text, latitude_);
        if (!positions_.found() && !longitude_.empty())
            return failure(PositionError::missingHalf, ErrorPart::text, longitude_);
        return positions_.result(noPosition(text));
    }

private:
    // The values with their Ref lines: "48 deg 51' 30.13\"" and "North".
    void readPair() {
        SourceText text(source_.original());
        text.append(latitude_, source_);
        if (!latitudeRef_.empty() && !carriesHemisphere(latitude_)) {
            text.appendOwn(" ");
            text.append(latitudeRef_, source_);
        }
        text.appendOwn(", ");
        text.append(longitude_, source_);
        if (!longitudeRef_.empty() && !carriesHemisphere(longitude_)) {
            text.appendOwn(" ");
            text.append(longitudeRef_, source_);
        }
        positions_.add(text.rebased(readWritten(text, text.view())));
        latitude_ = longitude_ = latitudeRef_ = longitudeRef_ = {};
    }

    const SourceText& source_;
    Agreement positions_;
    std::string_view latitude_;
    std::string_view longitude_;
    std::string_view latitudeRef_;
    std::string_view longitudeRef_;
};

// ---- Tables with a header ----------------------------------------------------------------

// The names of the halves, as a table's header and data's keys write them: "lat": 48.85
// (JSON), lat="48.85" (XML attributes, queries), <lat>48.85</lat> (XML elements). Compared
// without case.
struct Key {
    std::string_view name;
    Half half;
};
constexpr std::array<Key, 6> kKeys{{
    {"latitude", Half::latitude},
    {"lat", Half::latitude},
    {"longitude", Half::longitude},
    {"long", Half::longitude},
    {"lon", Half::longitude},
    {"lng", Half::longitude},
}};

// The half a name stands for, if it is one of the keys.
std::optional<Half> halfNamed(std::string_view name) {
    for (const Key& key : kKeys)
        if (equalsIgnoringCase(name, key.name)) return key.half;
    return std::nullopt;
}

constexpr std::string_view kCellSeparators = "\t;,";
constexpr std::size_t kMaxColumns = 64;

// The cells of a line in order, each with its column; a quoted cell keeps its separators.
template <class Visit> void forEachCell(std::string_view line, char separator, Visit visit) {
    std::size_t column = 0;
    for (std::size_t i = 0; i <= line.size() && column < kMaxColumns; ++column) {
        std::size_t end = i;
        bool quoted = false;
        while (end < line.size() && (quoted || line[end] != separator)) {
            if (line[end] == '"') quoted = !quoted;
            ++end;
        }
        visit(column, unquoted(line.substr(i, end - i)));
        i = end + 1;
    }
}

struct TableLayout {
    char separator = ',';
    std::size_t latitude = 0;
    std::size_t longitude = 0;
    bool found = false;
};

TableLayout layoutOf(std::string_view header) {
    for (const char separator : kCellSeparators) {
        if (header.find(separator) == std::string_view::npos) continue;
        TableLayout layout{separator};
        bool latitude = false;
        bool longitude = false;
        forEachCell(header, separator, [&](std::size_t column, std::string_view cell) {
            const std::optional<Half> half = halfNamed(cell);
            if (half == Half::latitude && !latitude) {
                layout.latitude = column;
                latitude = true;
            } else if (half == Half::longitude && !longitude) {
                layout.longitude = column;
                longitude = true;
            }
        });
        layout.found = latitude && longitude;
        if (layout.found) return layout;
    }
    return {};
}

// ---- Named values ------------------------------------------------------------------------

// Every key begins so, which spares trying them at every other character.
constexpr char kKeysBegin = 'l';

struct NamedValue {
    Half half = Half::latitude;
    std::string_view value;
    std::size_t end = 0; // where the search goes on
    bool found = false;
};

// What may follow a value in data: its end, punctuation of the data, or the next key; not a
// hemisphere letter or a unit mark, which would make it written coordinates.
bool endsValue(std::string_view rest) {
    rest = skipBlanks(rest);
    if (rest.empty() ||
        std::string_view(",;}])&<>/\n\r").find(rest.front()) != std::string_view::npos)
        return true;
    if (!ascii::isLetter(rest.front()) && rest.front() != '"' && rest.front() != '\'') return false;
    std::size_t word = 0;
    while (word < rest.size() &&
           (isNameCharacter(rest[word]) || rest[word] == '"' || rest[word] == '\''))
        ++word;
    const std::string_view after = skipBlanks(rest.substr(word));
    return !after.empty() && (after.front() == '=' || after.front() == ':');
}

// The key at text[at], if any, with its value.
NamedValue namedValueAt(std::string_view text, std::size_t at) {
    for (const Key& key : kKeys) {
        if (at + key.name.size() > text.size() ||
            !equalsIgnoringCase(text.substr(at, key.name.size()), key.name))
            continue;
        const char before = at > 0 ? text[at - 1] : ' ';
        std::string_view rest = text.substr(at + key.name.size());
        if (isNameCharacter(before) || (!rest.empty() && isNameCharacter(rest.front()))) continue;
        const bool quotedKey = before == '"' || before == '\'';
        if (quotedKey && !rest.empty() && rest.front() == before) rest.remove_prefix(1);
        rest = skipBlanks(rest);
        if (rest.empty()) continue;
        const bool element = before == '<' && rest.front() == '>';
        const bool assigned = rest.front() == '=' || (quotedKey && rest.front() == ':');
        if (!element && !assigned) continue;
        rest = skipBlanks(rest.substr(rest.starts_with("=>") ? 2 : 1));
        const char quote =
            !rest.empty() && (rest.front() == '"' || rest.front() == '\'') ? rest.front() : '\0';
        if (quote != '\0') rest.remove_prefix(1);
        const std::size_t length = signedDecimalLength(rest);
        std::string_view after = rest.substr(length);
        if (quote != '\0' && after.starts_with(quote)) after.remove_prefix(1);
        if (length == 0 || !endsValue(after)) continue;
        return {key.half, rest.substr(0, length),
                static_cast<std::size_t>(after.data() - text.data()), true};
    }
    return {};
}

// Where the next key may begin, from `at` on (the size of the text where none can).
std::size_t nextKeyStart(std::string_view text, std::size_t at) {
    while (at < text.size() && ascii::toLower(text[at]) != kKeysBegin)
        ++at;
    return at;
}

template <class Visit> void forEachNamedValue(std::string_view text, Visit visit) {
    for (std::size_t at = nextKeyStart(text, 0); at < text.size(); at = nextKeyStart(text, at)) {
        const NamedValue v = namedValueAt(text, at);
        if (!v.found) {
            ++at;
            continue;
        }
        visit(v);
        at = v.end;
    }
}

} // namespace

bool holdsGeoJsonCoordinates(std::string_view text) noexcept {
    return coordinatesArray(text, 0) != std::string_view::npos;
}

// Every innermost array of the "coordinates" is one position, [longitude, latitude(, altitude)].
PositionReading readGeoJsonCoordinates(const SourceText&, std::string_view text) noexcept {
    Agreement positions;
    for (std::size_t at = coordinatesArray(text, 0); at != std::string_view::npos;
         at = coordinatesArray(text, at + 1)) {
        int depth = 0;
        for (std::size_t i = at; i < text.size(); ++i) {
            if (text[i] == ']' && --depth == 0) break;
            if (text[i] != '[') continue;
            ++depth;
            const NumberList list = numbersAt(text.substr(i + 1), ',', "]");
            if (list.count > 0) positions.add(longitudeFirst(list));
        }
    }
    return positions.result(noPosition(text));
}

bool holdsKmlCoordinates(std::string_view text) noexcept {
    return text.find("coordinates>") != std::string_view::npos &&
           (text.find("<coordinates>") != std::string_view::npos ||
            text.find(":coordinates>") != std::string_view::npos);
}

// "<coordinates>2.29,48.85,0 2.30,48.86,0</coordinates>": tuples apart by blanks.
PositionReading readKmlCoordinates(const SourceText&, std::string_view text) noexcept {
    constexpr std::string_view kOpen = "coordinates>";
    Agreement positions;
    for (auto at = text.find(kOpen); at != std::string_view::npos; at = text.find(kOpen, at + 1)) {
        if (at == 0 || text[at - 1] == '/') continue;
        std::string_view content = text.substr(at + kOpen.size());
        content = content.substr(0, content.find('<'));
        for (std::string_view rest = trimBlanks(content); !rest.empty();) {
            const NumberList list = numbersAt(rest, ',', " \t\n");
            if (list.count == 0) {
                positions.add(failure(PositionError::badNumber, ErrorPart::text, rest));
                break;
            }
            positions.add(longitudeFirst(list));
            rest = trimBlanks(rest.substr(list.length));
        }
    }
    return positions.result(noPosition(text));
}

bool holdsExifPosition(std::string_view text) noexcept {
    bool found = false;
    forEachLine(text, [&](std::string_view line) { found = found || exifLine(line).name; });
    return found;
}

PositionReading readExifPosition(const SourceText& source, std::string_view text) noexcept {
    ExifPositions positions(source);
    forEachLine(text, [&](std::string_view line) {
        if (const ExifLine l = exifLine(line); l.name != nullptr) positions.add(l);
    });
    return positions.result(text);
}

bool isTableWithHeader(std::string_view text) noexcept {
    const auto lineEnd = text.find(kLineBreak);
    return lineEnd != std::string_view::npos && layoutOf(text.substr(0, lineEnd)).found;
}

PositionReading readTable(const SourceText& source, std::string_view text) noexcept {
    const auto lineEnd = text.find(kLineBreak);
    const TableLayout layout = layoutOf(text.substr(0, lineEnd));
    Agreement positions;
    forEachLine(text.substr(lineEnd + 1), [&](std::string_view line) {
        if (trimBlanks(line).empty()) return;
        std::string_view latitude;
        std::string_view longitude;
        forEachCell(line, layout.separator, [&](std::size_t column, std::string_view cell) {
            if (column == layout.latitude) latitude = cell;
            if (column == layout.longitude) longitude = cell;
        });
        positions.add(readHalves(source, latitude, longitude));
    });
    return positions.result(noPosition(text));
}

bool holdsNamedValues(std::string_view text) noexcept {
    bool latitude = false;
    bool longitude = false;
    forEachNamedValue(text, [&](const NamedValue& v) {
        (v.half == Half::latitude ? latitude : longitude) = true;
    });
    return latitude && longitude;
}

// The latitudes and longitudes in text order, the first of each together, and so on.
PositionReading readNamedValues(const SourceText&, std::string_view text) noexcept {
    constexpr std::size_t kMaxValues = 16;
    std::array<std::string_view, kMaxValues> latitudes{};
    std::array<std::string_view, kMaxValues> longitudes{};
    std::size_t latitudeCount = 0;
    std::size_t longitudeCount = 0;
    bool tooMany = false;
    forEachNamedValue(text, [&](const NamedValue& v) {
        std::size_t& count = v.half == Half::latitude ? latitudeCount : longitudeCount;
        auto& values = v.half == Half::latitude ? latitudes : longitudes;
        if (count == kMaxValues) {
            tooMany = true;
            return;
        }
        values[count++] = v.value;
    });
    if (tooMany) return failure(PositionError::tooLong, ErrorPart::text, text);
    if (latitudeCount != longitudeCount) {
        const bool moreLatitudes = latitudeCount > longitudeCount;
        return failure(PositionError::missingHalf, ErrorPart::text,
                       moreLatitudes ? latitudes[longitudeCount] : longitudes[latitudeCount]);
    }
    Agreement positions;
    for (std::size_t k = 0; k < latitudeCount; ++k)
        positions.add(signedDecimalPosition(latitudes[k], longitudes[k]));
    return positions.result(noPosition(text));
}

} // namespace quorvane::reading
