#include "convert_command.h"

#include "actions/output_texts.h"
#include "convert_stream.h"
#include "core/message_text.h"
#include "core/position_entry.h"
#include "field_edit.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace quorvane {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitSomeLinesUnread = 1;
constexpr int kExitUnread = 2;
constexpr int kExitUsage = 2;

constexpr std::string_view kProgram = "quorvane convert: ";
constexpr std::string_view kUsageHint = "Try \"quorvane convert --help\".\n";

constexpr std::string_view kHelp =
    R"(Usage: quorvane convert [OPTIONS] POSITION
       quorvane convert [OPTIONS] -

Enters POSITION into the converter's form as a user would type it (hemisphere selectors from
its letters or sign, each number into its field, Next, and Done after the last) and prints the
form's four copy lines, one per line, in this order:
  degrees, minutes and seconds            45° 30' 15.0" N, 73° 20' 30.0" W
  degrees and decimal minutes             45° 30.25' N, 73° 20.5' W
  decimal degrees with hemisphere letter  45.5041667° N, 73.3416667° W
  signed decimal degrees                  45.5041667, -73.3416667

POSITION is one argument, or several that are joined with blanks. It is read however people
usually write a position; a text with two possible readings is refused, never guessed:
  45° 30' 15" N, 73° 20' 30" W      45 30 15 N 73 20 30 W        the form's own lines, marks
  45.5041667, -73.3416667           45.5041667° N, 73.34° W      optional, blanks as you like
  N 47° 28.350 W 122° 14.525        E 44.4 N 33.3                letters before the numbers
  51° 28′ 40.1″ N, 0° 0′ 5.3″ W     40d26m46sN 79d58m56sW        typographic or letter marks
  28:55:19N 77:23:14W               27.15.45S 153.2.10E          colons, dotted groups
  4025.0999N 07438.4668W            402505.994N 0743828.008W     packed (DDMM.m, DDMMSS.s)
  40° 26.7717, -79° 56.93172        -0° 32.77', 10° 5'           signs on any notation
  40,446195° 79,948862°             (48.85833; 2.29444)          decimal commas, ; / ( ) [ ]
  45 Süd, 73 Ouest                  north, Nord, ost, est ...    words (a lone O is refused)
  geo:48.8583701,2.2944813          https://maps.google.com/?q=48.85,2.29   links (geo: and
  https://www.openstreetmap.org/#map=16/48.85/2.29                 the four maps sites)
  48°51′30″N 2°17′40″E / 48.85833°N 2.29444°E   one position written twice: both must agree
Letters: N S E W and the words of the hemispheres in English, German and French, before or
after the numbers of each half. Signs: - + −. Ranges: latitude up to 90, longitude up to 180
degrees; minutes and seconds up to 60, whole minutes and their seconds at most 60 minutes
(60' 0" and 59' 60" are taken, 60' 1" is not: the form itself may write a rounded 60). A comma
between digits is read as decimal comma and as separator; the text is taken only when one of
the two readings works (45,5 ,73,25 is read; 45,5,73,25 is refused).

POSITION may also be a grid reference, read as the centre of the square it names:
UTM/UPS (31U 448251 5411952, 17T 630084mE 4833438mN, 31U N 5411952 E 448251, GeoConvert's
31n 448251 5411952 and n 2000000 2000000), MGRS (31U DQ 48250 11951, also 31UDQ4825011951 and
31U-DQ-48250-11951, any precision down to 1 m), a full Plus Code of 2 to 15 digits
(8FW4V75V+8Q, 8FW40000+; a short code such as V75V+8Q needs a reference place and is refused)
or a Maidenhead locator of 2, 4, 6 or 8 characters (JN18du), also after a caption (MGRS: ...).

The one position is found in whatever is copied: words, labels, markup and punctuation
around it are passed over, and a text with none or two different ones is refused:
  Latitude: 48.8583701 Longitude: 2.2944813      labels (Lat, Lon, Lng, Long; Lon first is
  Lon/Lat: 2.2944813, 48.8583701                 longitude first), captions, prose:
  Coordinates: 48.8584, 2.2945 Eiffel Tower      ... 45.8326 degrees North and 6.8652 ...
  48°51′30″N 2°17′40″E[1]  N 48*51.500 E 2*17.667  invisible characters, no-break spaces,
                                                 primes, footnotes, "*" for the degree
  <wpt lat="48.8583701" lon="2.2944813">         GPX, JSON ("lat": 48.85, "lng": 2.29), XML
  <coordinates>2.2944813,48.8583701</coordinates>  KML and GeoJSON ([2.29, 48.85]): longitude
  POINT(2.2944813 48.8583701)                    first, as WKT and LngLat(...) in code
  name,lat,lon + a line Eiffel,48.85,2.29        a table with its header line (, ; tab)
  GPS Latitude : 48 deg 51' 30.13" N ...         photo metadata lines, with their Ref lines
  $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
                                                 NMEA GGA, RMC, GLL (checksum checked, no
                                                 fix refused); APRS !4903.50N/07201.75W-
  40-26-46.302N 079-58-55.903W  402646N0795856W  dashed and packed, as notices write them
  https://www.google.de/maps/place/.../data=!3d48.8583701!4d2.2944813
                                                 maps links: Google (every country domain,
                                                 the place over the view, directions, search),
                                                 Apple, OpenStreetMap, Waze, Bing, HERE,
                                                 Yandex, 2GIS, OsmAnd, Mapy.cz, GeoHack; other
                                                 sites by lat= and lon=; geo:0,0?q=48.85,2.29
Refused look-alikes: 46,8 (one number with a decimal comma), 2024-03-15, Version 2.4.1,
+33 1 42 68 53 00, Apt 5, 12 Main St, 45 at 73, a sentence without fix.

Options:
  -                read positions from standard input, one per line, and write one line for
                   each: its four copy lines separated by tabs. A line that cannot be read
                   gives an empty output line (so rows stay aligned) and a message on
                   standard error with its line number; the rest goes on.
  --fields         print what the form shows instead of the copy lines: 14 lines NAME<TAB>TEXT
                   for the fields d1 .. d8 in form order, then 8 lines cN<TAB>INDEX for the
                   hemisphere selectors c1 .. c8 (0 North or East, 1 South or West).
                   Not with "-".
  --edit FIELD=TEXT
                   after POSITION is entered, edit FIELD (d1 .. d8, m1 .. m4, s1, s2) as a
                   user would: tap it, select its whole text, type TEXT character by
                   character through the keyboard's filter (characters it refuses are left
                   out, as on the screen) and tap Done, which converts the form from it.
                   FIELD= erases the field. Repeatable: the edits are made in order, and
                   what is printed is the form after the last. Not with "-".
  --edit FIELD     only enter FIELD and leave it again (the form converts from it)
  --grid           add the four grid references of the position after the copy lines, in
                   this order: UTM (UPS near the poles), MGRS to 1 m, Plus Code of 10 digits,
                   Maidenhead locator of 6 characters (31U 448251 5411952, 31U DQ 48250 11951,
                   8FW4V75V+8Q, JN18du); with "-" as four further columns; with --fields as
                   four further lines utm, mgrs, pluscode and maidenhead. A position beyond 90
                   or 180 degrees has no references: their places stay empty.
  --decimal-comma  the form writes "," as its decimal separator
  --decimal-point  the form writes "." as its decimal separator
                   Without either, the user's locale decides: the first of LC_ALL,
                   LC_NUMERIC and LANG that is set names it; languages that write a decimal
                   comma (de, fr, es, it, nl, pt, ru, pl, sv, ... but not de_CH, es_MX, ...)
                   give ","; unset, C and POSIX give ".". Copy lines always use ".", as the
                   copy action does; only --fields shows the form's own texts.
  --               ends the options (for a POSITION that starts with "-")
  -h, --help       show this text

Exit status: 0 when everything was converted; 1 when some lines of "-" could not be read
(or the output could not be written); 2 when POSITION could not be read, and for usage errors.

Examples:
  quorvane convert "45° 30' 15\" N, 73° 20' 30\" W"
  quorvane convert -45.5041667, 73.3416667
  quorvane convert --fields --decimal-comma "48.8583701, 2.2944813"
  quorvane convert --fields --edit d5=45.9999999 --edit m3 "0, 0"
  quorvane convert --grid "31U DQ 48250 11951"
  quorvane convert - < positions.txt > converted.tsv
)";

// ---- Locale -------------------------------------------------------------------------------

// Languages whose usual decimal separator is the comma (as in the glibc locales' LC_NUMERIC;
// "no" is the older name of Norwegian Bokmål).
constexpr std::array<std::string_view, 85> kCommaLanguages{
    "ab",  "agr", "an", "ast", "ayc", "az",  "be",  "bg",  "br", "bs",  "ca", "ce", "crh",
    "cs",  "csb", "cv", "da",  "de",  "dsb", "el",  "es",  "et", "eu",  "ff", "fi", "fo",
    "fr",  "fur", "fy", "gl",  "hr",  "hsb", "ht",  "hu",  "ia", "id",  "is", "it", "ka",
    "kab", "kk",  "kl", "ku",  "ky",  "lb",  "li",  "lij", "ln", "lt",  "lv", "mg", "mhr",
    "mk",  "mn",  "nb", "nds", "nl",  "nn",  "no",  "oc",  "os", "pap", "pl", "pt", "quz",
    "ro",  "ru",  "rw", "sah", "sc",  "se",  "sgs", "sk",  "sl", "sq",  "sr", "sv", "szl",
    "tg",  "tr",  "tt", "uk",  "vi",  "wa",  "wo"};

struct TerritoryException {
    std::string_view language;
    std::string_view territory;
    DecimalMode mode;
};

// Territories that write the other separator than their language's usual one.
constexpr std::array<TerritoryException, 15> kTerritoryExceptions{{
    {"de", "CH", DecimalMode::point},
    {"de", "LI", DecimalMode::point},
    {"fr", "CH", DecimalMode::point},
    {"it", "CH", DecimalMode::point},
    {"es", "DO", DecimalMode::point},
    {"es", "GT", DecimalMode::point},
    {"es", "HN", DecimalMode::point},
    {"es", "MX", DecimalMode::point},
    {"es", "NI", DecimalMode::point},
    {"es", "PA", DecimalMode::point},
    {"es", "PR", DecimalMode::point},
    {"es", "SV", DecimalMode::point},
    {"es", "US", DecimalMode::point},
    {"az", "IR", DecimalMode::point},
    {"en", "DK", DecimalMode::comma},
}};

} // namespace

DecimalMode decimalModeOfLocaleName(std::string_view name) {
    // language[_territory][.codeset][@modifier]
    const std::size_t languageEnd = std::min(name.find_first_of("_.@"), name.size());
    const std::string_view language = name.substr(0, languageEnd);
    std::string_view territory;
    if (languageEnd < name.size() && name[languageEnd] == '_') {
        const std::string_view rest = name.substr(languageEnd + 1);
        territory = rest.substr(0, std::min(rest.find_first_of(".@"), rest.size()));
    }
    for (const TerritoryException& e : kTerritoryExceptions)
        if (e.language == language && e.territory == territory) return e.mode;
    const bool comma = std::find(kCommaLanguages.begin(), kCommaLanguages.end(), language) !=
                       kCommaLanguages.end();
    return comma ? DecimalMode::comma : DecimalMode::point;
}

DecimalMode decimalModeOfLocale(std::string_view lcAll, std::string_view lcNumeric,
                                std::string_view lang) {
    for (const std::string_view name : {lcAll, lcNumeric, lang})
        if (!name.empty()) return decimalModeOfLocaleName(name);
    return DecimalMode::point;
}

std::string_view convertHelpText() {
    return kHelp;
}

// ---- The form -----------------------------------------------------------------------------

ConversionForm::ConversionForm(DecimalMode mode, GridColumns grid)
    : view_(nullptr), numberFormat_(mode), form_(view_, settings_, numberFormat_), grid_(grid) {
    view_.setDelegate(&form_);
}

void ConversionForm::reset() {
    view_.reset();             // texts, selectors, no field being edited
    form_.clearButtonAction(); // the stored values of the fields
}

void ConversionForm::enter(const PositionReading& position) {
    reset();
    enterPosition(form_, position);
}

void ConversionForm::edit(const FieldEdit& edit) {
    editField(form_, edit.field,
              edit.typed ? std::optional<std::string_view>(*edit.typed) : std::nullopt);
}

void ConversionForm::appendCopyLines(std::string& out, char separator) const {
    // The texts of each notation are gathered as notationTexts does, but read where the
    // in-memory view holds them, which the stream does once per line.
    NotationTextViews texts;
    for (const NotationInfo& n : kNotations) {
        if (n.id != kNotations.front().id) out += separator;
        for (std::size_t i = 0; i < n.fieldsPerHalf; ++i) {
            texts.latitude[i] = view_.textRef(n.latitudeFields[i]);
            texts.longitude[i] = view_.textRef(n.longitudeFields[i]);
        }
        texts.latitudeSelector = view_.selectedIndex(n.latitudeSelector);
        texts.longitudeSelector = view_.selectedIndex(n.longitudeSelector);
        appendCopyText(out, n.id, texts);
    }
    if (grid_ == GridColumns::none) return;
    for (const grid::GridText& reference : formReferences(form_)) {
        out += separator;
        out += reference.view();
    }
}

void ConversionForm::appendFields(std::string& out) const {
    for (const FieldInfo& f : kFields) {
        out += f.name;
        out += '\t';
        out += view_.textRef(f.id);
        out += '\n';
    }
    for (const SelectorInfo& c : kSelectors) {
        out += c.name;
        out += '\t';
        out += std::to_string(view_.selectedIndex(c.id));
        out += '\n';
    }
    if (grid_ == GridColumns::none) return;
    const grid::GridTexts references = formReferences(form_);
    for (const grid::GridSystemInfo& system : grid::gridSystems()) {
        out += system.name;
        out += '\t';
        out += references[static_cast<std::size_t>(system.id)].view();
        out += '\n';
    }
}

// ---- The command --------------------------------------------------------------------------

namespace {

enum class InputSource : unsigned char { argument, standardInput };
enum class OutputKind : unsigned char { copyLines, fields };

struct ConvertOptions {
    InputSource source = InputSource::argument;
    OutputKind output = OutputKind::copyLines;
    std::optional<DecimalMode> decimalMode;
    std::string position;
    std::vector<FieldEdit> edits; // made in order after the position is entered
    GridColumns grid = GridColumns::none;
    bool help = false;
};

constexpr std::string_view kEditOption = "--edit";

// "FIELD=TEXT" or "FIELD" of --edit; nothing when FIELD names no field.
std::optional<FieldEdit> parseEdit(std::string_view value) {
    const std::size_t equals = value.find('=');
    const auto field = fieldFromName(value.substr(0, equals));
    if (!field) return std::nullopt;
    if (equals == std::string_view::npos) return FieldEdit{*field, std::nullopt};
    return FieldEdit{*field, std::string(value.substr(equals + 1))};
}

struct ParsedArguments {
    std::optional<ConvertOptions> options;
    std::string usageError; // set when options is empty
};

// A word that starts like a signed number is a position, not an option: -45.5, 73.25
bool looksLikeSignedNumber(std::string_view word) {
    return word.size() > 1 && (word[0] == '-' || word[0] == '+') &&
           ((word[1] >= '0' && word[1] <= '9') || word[1] == '.' || word[1] == ',');
}

ParsedArguments parseArguments(int argc, const char* const* argv) {
    ConvertOptions o;
    bool optionsEnded = false;
    bool sawPosition = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view word = argv[i] ? argv[i] : "";
        const bool option =
            !optionsEnded && word.size() > 1 && word[0] == '-' && !looksLikeSignedNumber(word);
        if (option) {
            if (word == "--") {
                optionsEnded = true;
            } else if (word == "--help" || word == "-h") {
                o.help = true;
            } else if (word == kEditOption || word.starts_with("--edit=")) {
                const bool joined = word != kEditOption;
                if (!joined && i + 1 == argc)
                    return {std::nullopt, "--edit needs FIELD=TEXT or FIELD"};
                const std::string_view value =
                    joined ? word.substr(kEditOption.size() + 1) : (argv[++i] ? argv[i] : "");
                const std::optional<FieldEdit> edit = parseEdit(value);
                if (!edit)
                    return {std::nullopt, "--edit " + quotedForMessage(value) +
                                              " names no field (d1 .. d8, m1 .. m4, s1, s2)"};
                o.edits.push_back(*edit);
            } else if (word == "--fields") {
                o.output = OutputKind::fields;
            } else if (word == "--grid") {
                o.grid = GridColumns::added;
            } else if (word == "--decimal-comma" || word == "--decimal-point") {
                const DecimalMode mode =
                    word == "--decimal-comma" ? DecimalMode::comma : DecimalMode::point;
                if (o.decimalMode && *o.decimalMode != mode)
                    return {std::nullopt, "--decimal-comma and --decimal-point exclude each other"};
                o.decimalMode = mode;
            } else {
                return {std::nullopt, "unknown option " + quotedForMessage(word)};
            }
            continue;
        }
        if (word == "-" && !optionsEnded) {
            if (o.source == InputSource::standardInput) return {std::nullopt, "\"-\" given twice"};
            o.source = InputSource::standardInput;
            continue;
        }
        if (sawPosition) o.position += ' ';
        o.position += word;
        sawPosition = true;
    }
    if (o.help) return {o, {}};
    if (o.source == InputSource::standardInput && sawPosition)
        return {std::nullopt, "give either a POSITION or \"-\", not both"};
    if (o.source == InputSource::standardInput && o.output == OutputKind::fields)
        return {std::nullopt, "--fields shows one form: give a POSITION, not \"-\""};
    if (o.source == InputSource::standardInput && !o.edits.empty())
        return {std::nullopt, "--edit works on one form: give a POSITION, not \"-\""};
    if (o.source == InputSource::argument && !sawPosition)
        return {std::nullopt, "no POSITION given"};
    return {o, {}};
}

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

DecimalMode decimalModeFor(const ConvertOptions& o) {
    if (o.decimalMode) return *o.decimalMode;
    return decimalModeOfLocale(environment("LC_ALL"), environment("LC_NUMERIC"),
                               environment("LANG"));
}

void write(std::FILE* f, std::string_view s) {
    std::fwrite(s.data(), 1, s.size(), f);
}

void reportUnread(std::FILE* err, std::string_view text, const PositionReading& r) {
    write(err, unreadPositionMessage(text, r, std::nullopt));
}

void reportUsage(std::FILE* err, std::string_view problem) {
    write(err, std::string(kProgram) + std::string(problem) + "\n");
    write(err, kUsageHint);
}

bool finishOutput(std::FILE* out, std::FILE* err) {
    if (std::fflush(out) == 0 && !std::ferror(out)) return true;
    write(err, std::string(kProgram) + "cannot write the output\n");
    return false;
}

int convertOne(const ConvertOptions& o, std::FILE* out, std::FILE* err) {
    ConversionForm form(decimalModeFor(o), o.grid);
    const PositionReading reading = readPosition(o.position);
    if (!reading.ok()) {
        reportUnread(err, o.position, reading);
        return kExitUnread;
    }
    form.enter(reading);
    for (const FieldEdit& edit : o.edits)
        form.edit(edit);
    std::string text;
    if (o.output == OutputKind::fields) {
        form.appendFields(text);
    } else {
        form.appendCopyLines(text, '\n');
        text += '\n';
    }
    write(out, text);
    return finishOutput(out, err) ? kExitOk : kExitSomeLinesUnread;
}

int convertStream(const ConvertOptions& o, std::FILE* in, std::FILE* out, std::FILE* err) {
    switch (convertPositionStream(in, out, err, decimalModeFor(o), 0, 0, o.grid)) {
    case StreamOutcome::allConverted:
        return kExitOk;
    case StreamOutcome::someLinesUnread:
        return kExitSomeLinesUnread;
    case StreamOutcome::outputFailed:
        break;
    }
    write(err, std::string(kProgram) + "cannot write the output\n");
    return kExitSomeLinesUnread;
}

} // namespace

std::string unreadPositionMessage(std::string_view text, const PositionReading& reading,
                                  std::optional<std::size_t> line) {
    std::string message(kProgram);
    if (line) message += "line " + std::to_string(*line) + ": ";
    // The description quotes its pieces of the text the same way.
    message += "cannot read " + quotedForMessage(text) + ": " + describeError(reading) + "\n";
    return message;
}

std::string overlongLineMessage(std::size_t line) {
    return std::string(kProgram) + "line " + std::to_string(line) + ": longer than " +
           std::to_string(kMaxPositionLineLength) + " bytes, not read\n";
}

int runConvertCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out,
                      std::FILE* err) {
    const ParsedArguments parsed = parseArguments(argc, argv);
    if (!parsed.options) {
        reportUsage(err, parsed.usageError);
        return kExitUsage;
    }
    const ConvertOptions& o = *parsed.options;
    if (o.help) {
        write(out, kHelp);
        return finishOutput(out, err) ? kExitOk : kExitSomeLinesUnread;
    }
    if (o.source == InputSource::standardInput) return convertStream(o, in, out, err);
    return convertOne(o, out, err);
}

} // namespace quorvane
