// Written coordinates: the text is cut into tokens (numbers, marks, hemispheres, signs,
// separators, labels, links, and the words passed over), the tokens are gathered into halves,
// the halves paired into positions, and the positions checked and compared. Everything lives
// in fixed arrays on the stack.
#include "core/ascii.h"
#include "core/position_parts.h"
#include "core/position_text.h"
#include "core/utf.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quorvane {

namespace {

using reading::HalfInput;

constexpr Half otherHalf(Half h) {
    return h == Half::latitude ? Half::longitude : Half::latitude;
}

// ---- Tokens -------------------------------------------------------------------------------

enum class TokenKind : std::uint8_t {
    number,
    comma,
    semicolon,
    slash,
    colon,
    dash, // between whole numbers of a half, as notices write them: 40-26-46N
    sign,
    degreeMark,
    minutesMark,
    secondsMark,
    secondsOrSouth, // "s" straight after a number: seconds or South, decided by its place
    hemisphere,
    label,  // names the half that follows: "Lat", "Longitude"
    header, // labels of both halves before them: "lat/lon", "Lon, Lat"
    skip,   // words and punctuation passed over
    link,
};

enum class Mark : std::uint8_t { none, degrees, minutes, seconds };

// Without member initialisers, so that the reader's array of them costs nothing until used:
// makeToken sets every member.
struct Token {
    TokenKind kind;
    std::string_view text;
    bool blankBefore;
    bool tight;   // a comma with a digit straight on each side
    bool unknown; // a skipped word the reader does not know (prose, a place name)
    Hemisphere hemisphere;
    Half axis;
    std::uint8_t dots;
    bool exponent;
};

Token makeToken(TokenKind kind, std::string_view text) {
    return {kind, text, false, false, false, Hemisphere::northOrEast, Half::latitude, 0, false};
}

// More tokens than the longest sensible text (three notations of one position with labels and
// a few words around them) needs; a run of words and punctuation takes one.
constexpr std::size_t kMaxTokens = 64;

struct Spelling {
    std::string_view text;
    TokenKind kind;
};

// The spellings after the first pass mapped the typographic ones; longer ones first where one
// begins another ('' before '). "*" is the degree mark of some GPS units.
constexpr std::array<Spelling, 10> kSymbols{{
    {"''", TokenKind::secondsMark},
    {"\"", TokenKind::secondsMark},
    {"\u00B0", TokenKind::degreeMark},
    {"*", TokenKind::degreeMark},
    {"'", TokenKind::minutesMark},
    {",", TokenKind::comma},
    {";", TokenKind::semicolon},
    {"/", TokenKind::slash},
    {":", TokenKind::colon},
    {"-", TokenKind::sign},
}};

// After a word or label these are part of it: "Lat:", "lon=", "Long.".
constexpr std::string_view kLabelPunctuation = ":=.";

constexpr bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// What a word is to the reader.
enum class WordRole : std::uint8_t { hemisphere, mark, label, caption };

struct Word {
    std::string_view text; // lower case
    TokenKind kind;
    Half axis;
    Hemisphere hemisphere;
};

constexpr Hemisphere kNorthEast = Hemisphere::northOrEast;
constexpr Hemisphere kSouthWest = Hemisphere::southOrWest;
constexpr Half kLat = Half::latitude;
constexpr Half kLon = Half::longitude;

// clang-format off
// The words of the hemispheres (English, German, French), the unit marks written as words, the
// labels of the halves and the captions before a position.
constexpr std::array<Word, 49> kWords{{
    {"n", TokenKind::hemisphere, kLat, kNorthEast},
    {"s", TokenKind::secondsOrSouth, kLat, kSouthWest},
    {"e", TokenKind::hemisphere, kLon, kNorthEast},
    {"w", TokenKind::hemisphere, kLon, kSouthWest},
    {"north", TokenKind::hemisphere, kLat, kNorthEast},
    {"south", TokenKind::hemisphere, kLat, kSouthWest},
    {"east", TokenKind::hemisphere, kLon, kNorthEast},
    {"west", TokenKind::hemisphere, kLon, kSouthWest},
    {"nord", TokenKind::hemisphere, kLat, kNorthEast},
    {"s\u00FCd", TokenKind::hemisphere, kLat, kSouthWest},
    {"sud", TokenKind::hemisphere, kLat, kSouthWest},
    {"ost", TokenKind::hemisphere, kLon, kNorthEast},
    {"est", TokenKind::hemisphere, kLon, kNorthEast},
    {"ouest", TokenKind::hemisphere, kLon, kSouthWest},
    {"deg", TokenKind::degreeMark, kLat, kNorthEast},
    {"degree", TokenKind::degreeMark, kLat, kNorthEast},
    {"degrees", TokenKind::degreeMark, kLat, kNorthEast},
    {"grad", TokenKind::degreeMark, kLat, kNorthEast},
    {"d", TokenKind::degreeMark, kLat, kNorthEast},
    {"min", TokenKind::minutesMark, kLat, kNorthEast},
    {"minute", TokenKind::minutesMark, kLat, kNorthEast},
    {"minutes", TokenKind::minutesMark, kLat, kNorthEast},
    {"m", TokenKind::minutesMark, kLat, kNorthEast},
    {"sec", TokenKind::secondsMark, kLat, kNorthEast},
    {"second", TokenKind::secondsMark, kLat, kNorthEast},
    {"seconds", TokenKind::secondsMark, kLat, kNorthEast},
    {"lat", TokenKind::label, kLat, kNorthEast},
    {"latitude", TokenKind::label, kLat, kNorthEast},
    {"breite", TokenKind::label, kLat, kNorthEast},
    {"breitengrad", TokenKind::label, kLat, kNorthEast},
    {"lon", TokenKind::label, kLon, kNorthEast},
    {"lng", TokenKind::label, kLon, kNorthEast},
    {"long", TokenKind::label, kLon, kNorthEast},
    {"longitude", TokenKind::label, kLon, kNorthEast},
    {"l\u00E4nge", TokenKind::label, kLon, kNorthEast},
    {"l\u00E4ngengrad", TokenKind::label, kLon, kNorthEast},
    {"coordinates", TokenKind::skip, kLat, kNorthEast},
    {"coordinate", TokenKind::skip, kLat, kNorthEast},
    {"coords", TokenKind::skip, kLat, kNorthEast},
    {"position", TokenKind::skip, kLat, kNorthEast},
    {"location", TokenKind::skip, kLat, kNorthEast},
    {"gps", TokenKind::skip, kLat, kNorthEast},
    {"wgs84", TokenKind::skip, kLat, kNorthEast},
    {"koordinaten", TokenKind::skip, kLat, kNorthEast},
    {"standort", TokenKind::skip, kLat, kNorthEast},
    {"coordonn\u00E9es", TokenKind::skip, kLat, kNorthEast},
    {"lieu", TokenKind::skip, kLat, kNorthEast},
    {"ort", TokenKind::skip, kLat, kNorthEast},
    // East in German, West in French: refused whenever it is met.
    {"o", TokenKind::hemisphere, kLon, kNorthEast},
}};
// clang-format on
constexpr std::string_view kAmbiguousO = "o";

// The capitals of the non-ASCII letters of the words above, compared as their small letters.
constexpr std::array<std::array<std::string_view, 2>, 3> kCapitals{
    {{"\u00DC", "\u00FC"}, {"\u00C4", "\u00E4"}, {"\u00C9", "\u00E9"}}};

// The C1 controls, and the replacement character that stands for bytes that are no UTF-8.
constexpr char32_t kFirstAfterControls = 0xA0;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char kDelete = 0x7F;

// A character of text rather than a control or a broken byte, which no copying brings along.
constexpr bool isTextCharacter(char32_t c) {
    return c >= kFirstAfterControls && c != kReplacement;
}

// A character of a word: an ASCII letter, or any character beyond ASCII but the degree sign
// (the first pass left no other marks there). The length in bytes, 0 for none.
std::size_t letterLength(std::string_view s) {
    if (s.empty()) return 0;
    if (ascii::isLetter(s.front())) return 1;
    if (ascii::isAscii(s.front()) || s.starts_with("\u00B0")) return 0;
    std::size_t length = 0;
    return isTextCharacter(decodeCodePoint(s, length)) ? length : 0;
}

// A word compared without case (a capital has as many bytes as its small letter).
bool wordEquals(std::string_view written, std::string_view word) {
    if (written.size() != word.size()) return false;
    std::size_t i = 0;
    std::size_t k = 0;
    while (i < written.size() && k < word.size()) {
        const auto capital = std::find_if(kCapitals.begin(), kCapitals.end(), [&](const auto& c) {
            return written.substr(i, c[0].size()) == c[0] && word.substr(k, c[1].size()) == c[1];
        });
        if (capital != kCapitals.end()) {
            i += (*capital)[0].size();
            k += (*capital)[1].size();
        } else if (ascii::toLower(written[i]) == word[k]) {
            ++i;
            ++k;
        } else {
            return false;
        }
    }
    return i == written.size() && k == word.size();
}

const Word* findWord(std::string_view written) {
    for (const Word& w : kWords)
        if (wordEquals(written, w.text)) return &w;
    return nullptr;
}

// Words of code that name the order of the two numbers after them.
struct NamedOrder {
    std::string_view spelling; // lower case, found anywhere in the word
    Half first;
};
constexpr std::array<NamedOrder, 7> kNamedOrders{{
    {"makepoint", Half::longitude}, // PostGIS
    {"lonlat", Half::longitude},
    {"lnglat", Half::longitude},
    {"longlat", Half::longitude},
    {"latlon", Half::latitude},
    {"latlng", Half::latitude},
    {"latlong", Half::latitude},
}};
constexpr std::string_view kWktPoint = "point";

// "(", " (", " Z (", "ZM(": where WKT's coordinates begin after POINT.
bool isWktCoordinatesStart(std::string_view after) {
    std::size_t i = after.find_first_not_of(' ');
    while (i < after.size() && (after[i] == 'Z' || after[i] == 'M' || after[i] == ' '))
        ++i;
    return i < after.size() && after[i] == '(';
}

bool isMark(TokenKind kind) {
    return kind == TokenKind::degreeMark || kind == TokenKind::minutesMark ||
           kind == TokenKind::secondsMark;
}

bool isSeparator(TokenKind kind) {
    return kind == TokenKind::comma || kind == TokenKind::semicolon || kind == TokenKind::slash;
}

struct Tokens {
    std::array<Token, kMaxTokens> items;
    std::size_t count = 0;
    PositionReading fault; // error empty: no fault
    bool hasTightComma = false;

    bool failed() const { return fault.error != PositionError::empty; }
};

class Tokenizer {
public:
    Tokenizer(std::string_view text, Tokens& out, reading::NestedLinks links)
        : s_(text), links_(links), out_(out) {}

    void run() {
        while (i_ < s_.size() && !out_.failed()) {
            const std::string_view rest = s_.substr(i_);
            if (isBlank(rest.front())) {
                ++i_;
                blankBefore_ = true;
            } else if (ascii::isDigit(rest.front()) ||
                       (rest.front() == '.' && rest.size() > 1 && ascii::isDigit(rest[1]))) {
                number();
            } else if (rest.front() == '+') {
                sign(rest.substr(0, 1));
            } else if (letterLength(rest) > 0) {
                word(rest);
            } else {
                symbol(rest);
            }
        }
        resolveLabels();
    }

private:
    void fail(PositionError error, std::string_view piece) {
        out_.fault = reading::failure(error, ErrorPart::text, piece);
    }

    const Token* last() const { return out_.count > 0 ? &out_.items[out_.count - 1] : nullptr; }
    bool straightAfterNumber() const {
        return last() != nullptr && last()->kind == TokenKind::number && !blankBefore_;
    }

    void push(Token t) {
        if (out_.count == kMaxTokens) return fail(PositionError::tooLong, s_);
        t.blankBefore = blankBefore_;
        blankBefore_ = false;
        out_.items[out_.count++] = t;
    }

    // Words and punctuation passed over: a run of them is one token.
    void skip(std::string_view text, bool unknown) {
        if (const Token* l = last(); l != nullptr && l->kind == TokenKind::skip) {
            Token& t = out_.items[out_.count - 1];
            t.text = {t.text.data(),
                      static_cast<std::size_t>(text.data() + text.size() - t.text.data())};
            t.unknown = t.unknown || unknown;
            blankBefore_ = false;
            return;
        }
        Token t = makeToken(TokenKind::skip, text);
        t.unknown = unknown;
        push(t);
    }

    void number() {
        const std::size_t start = i_;
        Token t = makeToken(TokenKind::number, {});
        // A dot ends the number unless a digit follows: "2.29." ends a sentence.
        while (i_ < s_.size() && (ascii::isDigit(s_[i_]) || (s_[i_] == '.' && i_ + 1 < s_.size() &&
                                                             ascii::isDigit(s_[i_ + 1])))) {
            if (s_[i_] == '.') ++t.dots;
            ++i_;
        }
        // An exponent as the form writes it: e-05. A bare "E" after a number is East.
        if (i_ + 2 < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E') &&
            (s_[i_ + 1] == '-' || s_[i_ + 1] == '+') && ascii::isDigit(s_[i_ + 2])) {
            std::size_t k = i_ + 2;
            while (k < s_.size() && ascii::isDigit(s_[k]))
                ++k;
            // Not "5e-05.5"; a full stop after it ends a sentence.
            if (k + 1 >= s_.size() || s_[k] != '.' || !ascii::isDigit(s_[k + 1])) {
                i_ = k;
                t.exponent = true;
            }
        }
        t.text = s_.substr(start, i_ - start);
        push(t);
    }

    void sign(std::string_view text) {
        Token t = makeToken(TokenKind::sign, text);
        t.hemisphere = text == "+" ? Hemisphere::northOrEast : Hemisphere::southOrWest;
        push(t);
        i_ += text.size();
    }

    // The word at the start of rest: letters, with an apostrophe between two letters ("Tower's").
    std::size_t wordLength(std::string_view rest) const {
        std::size_t length = 0;
        while (true) {
            if (const std::size_t more = letterLength(rest.substr(length))) {
                length += more;
            } else if (length > 0 && length + 1 < rest.size() && rest[length] == '\'' &&
                       letterLength(rest.substr(length + 1)) > 0) {
                ++length;
            } else {
                return length;
            }
        }
    }

    void word(std::string_view rest) {
        if (links_ == reading::NestedLinks::read && reading::startsWithLink(rest)) {
            const std::size_t end = reading::linkLength(rest);
            push(makeToken(TokenKind::link, rest.substr(0, end)));
            i_ += end;
            return;
        }
        const std::size_t length = wordLength(rest);
        const std::string_view written = rest.substr(0, length);
        i_ += length;
        if (const Word* w = findWord(written)) return pushWord(*w, written);
        // A mark written as letters stuck to a hemisphere letter: 46sN, 10dW.
        for (const std::string_view markWord : {"sec", "deg", "min", "s", "d", "m"}) {
            if (written.size() <= markWord.size() ||
                !wordEquals(written.substr(0, markWord.size()), markWord))
                continue;
            const Word* mark = findWord(markWord);
            const Word* letter = findWord(written.substr(markWord.size()));
            if (letter == nullptr || (letter->kind != TokenKind::hemisphere &&
                                      letter->kind != TokenKind::secondsOrSouth))
                continue;
            pushWord(*mark, written.substr(0, markWord.size()));
            if (!out_.failed()) pushWord(*letter, written.substr(markWord.size()));
            return;
        }
        // A word the reader does not know; digits stuck to it are its own (WGS84, A1, v2).
        while (i_ < s_.size() && (ascii::isDigit(s_[i_]) || letterLength(s_.substr(i_)) > 0))
            ++i_;
        const std::string_view unknown =
            rest.substr(0, i_ - static_cast<std::size_t>(rest.data() - s_.data()));
        if (const std::optional<Half> first = orderNamedBy(unknown, s_.substr(i_))) {
            Token t = makeToken(TokenKind::header, unknown);
            t.axis = *first;
            return push(t);
        }
        skip(unknown, true);
    }

    // Code and geometry text names the order of its two numbers: WKT's POINT(2.29 48.85),
    // ST_MakePoint, and fromLonLat, LngLat or LatLng in map libraries.
    static std::optional<Half> orderNamedBy(std::string_view word, std::string_view after) {
        if (wordEquals(word, kWktPoint) && isWktCoordinatesStart(after)) return Half::longitude;
        for (const NamedOrder& named : kNamedOrders)
            if (ascii::containsIgnoringCase(word, named.spelling)) return named.first;
        return std::nullopt;
    }

    void pushWord(const Word& w, std::string_view written) {
        if (w.text == kAmbiguousO) return fail(PositionError::ambiguousLetter, written);
        if (w.kind == TokenKind::skip) return skip(written, false);
        // A unit written as a word is a mark only after a number: "the second one" is prose.
        if (isMark(w.kind) && (last() == nullptr || last()->kind != TokenKind::number))
            return skip(written, true);
        labels_ = labels_ || w.kind == TokenKind::label;
        Token t = makeToken(w.kind, written);
        t.axis = w.axis;
        t.hemisphere = w.hemisphere;
        // "s" is a seconds mark only straight after a number.
        if (w.kind == TokenKind::secondsOrSouth && !straightAfterNumber())
            t.kind = TokenKind::hemisphere;
        push(t);
    }

    void symbol(std::string_view rest) {
        const char c = rest.front();
        const Token* before = last();
        // Punctuation of a label or caption: "Lat:", "lon=", "Long.".
        if (kLabelPunctuation.find(c) != std::string_view::npos && before != nullptr &&
            (before->kind == TokenKind::label || before->kind == TokenKind::skip)) {
            ++i_;
            return;
        }
        if (quote(rest)) return;
        for (const Spelling& sp : kSymbols) {
            if (!rest.starts_with(sp.text)) continue;
            if (sp.kind == TokenKind::sign) return minus(rest);
            // "*" stands for the degree sign only straight after a number: else a footnote.
            if (sp.text == "*" && !straightAfterNumber()) break;
            Token t = makeToken(sp.kind, rest.substr(0, sp.text.size()));
            t.tight = sp.kind == TokenKind::comma && straightAfterNumber() && rest.size() > 1 &&
                      ascii::isDigit(rest[1]);
            out_.hasTightComma = out_.hasTightComma || t.tight;
            push(t);
            i_ += sp.text.size();
            return;
        }
        const std::string_view character = firstCharacter(rest);
        if (static_cast<unsigned char>(c) < ' ' || c == kDelete || !ascii::isAscii(c))
            return fail(PositionError::strayCharacter, character);
        i_ += character.size();
        skip(character, false);
    }

    // A quotation mark around a value, label or the whole text rather than a unit mark: one
    // that follows no number opens, and the same mark then closes (Lat: "48.85").
    bool quote(std::string_view rest) {
        const char c = rest.front();
        if (c != '"' && c != '\'') return false;
        if (openQuote_ == c) {
            openQuote_ = 0;
        } else if (!straightAfterNumber() && openQuote_ == 0) {
            openQuote_ = c;
        } else {
            return false;
        }
        ++i_;
        return true;
    }

    // "-" between two whole numbers without blanks joins them (40-26-46N); else it is a sign.
    void minus(std::string_view rest) {
        const Token* before = last();
        const bool between = straightAfterNumber() && before->dots == 0 && !before->exponent &&
                             rest.size() > 1 && ascii::isDigit(rest[1]);
        if (!between) return sign(rest.substr(0, 1));
        push(makeToken(TokenKind::dash, rest.substr(0, 1)));
        ++i_;
    }

    // A label is one where a value follows it; two labels with nothing but a separator between
    // them name the order of the halves that follow (a header); any other is a word.
    void resolveLabels() {
        if (!labels_) return;
        std::size_t kept = 0;
        for (std::size_t k = 0; k < out_.count; ++k) {
            Token& t = out_.items[k];
            if (t.kind == TokenKind::label) {
                const std::size_t next = k + 1;
                const std::size_t afterSeparator =
                    next < out_.count && isSeparator(out_.items[next].kind) ? next + 1 : next;
                const auto kindAt = [&](std::size_t j) {
                    return j < out_.count ? out_.items[j].kind : TokenKind::skip;
                };
                if (kindAt(afterSeparator) == TokenKind::label &&
                    out_.items[afterSeparator].axis != t.axis) {
                    t.kind = TokenKind::header;
                    k = afterSeparator;
                } else if (kindAt(next) != TokenKind::number && kindAt(next) != TokenKind::sign &&
                           kindAt(next) != TokenKind::hemisphere &&
                           kindAt(next) != TokenKind::secondsOrSouth) {
                    t.kind = TokenKind::skip;
                    t.unknown = true;
                }
            }
            if (kept != k) out_.items[kept] = t; // after a header's second label
            ++kept;
        }
        out_.count = kept;
    }

    std::string_view s_;
    reading::NestedLinks links_;
    std::size_t i_ = 0;
    bool blankBefore_ = false;
    bool labels_ = false;
    char openQuote_ = 0;
    Tokens& out_;
};
// ---- Halves -------------------------------------------------------------------------------

enum class CommaReading : std::uint8_t { decimal, separator };
enum class Side : std::uint8_t { none, letter, sign };

struct NumberDraft {
    std::string_view text;
    Mark mark = Mark::none;
    std::uint8_t dots = 0;
    bool exponent = false;
    bool decimalComma = false;
};

// Unmarked numbers without a separator may hold both halves; they are split later.
constexpr std::size_t kMaxDraftNumbers = 2 * kMaxNumbersPerHalf;
constexpr std::size_t kMaxDrafts = 8;
constexpr std::size_t kMaxLinks = 3;
constexpr std::size_t kMaxBoundaries = 8;

struct HalfDraft {
    std::array<NumberDraft, kMaxDraftNumbers> numbers{};
    std::size_t count = 0;
    bool colons = false;   // numbers joined by ":" or "-"
    bool dashes = false;   // numbers joined by "-"
    bool complete = false; // a seconds mark or a dotted number: no further number
    Side side = Side::none;
    Hemisphere hemisphere = Hemisphere::northOrEast;
    Half axis = Half::latitude;
    std::string_view marker; // the letter or the sign
    std::string_view label;  // "Lat", "Longitude": the half it names is labelAxis
    Half labelAxis = Half::latitude;
    const char* begin = nullptr;
    const char* end = nullptr;

    std::string_view text() const { return {begin, static_cast<std::size_t>(end - begin)}; }
    bool bare() const {
        if (colons || side == Side::letter) return false;
        return std::all_of(numbers.begin(), numbers.begin() + static_cast<std::ptrdiff_t>(count),
                           [](const NumberDraft& n) { return n.mark == Mark::none && n.dots < 2; });
    }
    bool labelled() const { return !label.empty(); }
    // A half that says it is one among words: a label, unit marks, groups or decimals, or a
    // hemisphere letter with minutes ("Go N 2 blocks" names no position).
    bool evident() const {
        return labelled() || colons || (side == Side::letter && count > 1) ||
               std::any_of(numbers.begin(), numbers.begin() + static_cast<std::ptrdiff_t>(count),
                           [](const NumberDraft& n) {
                               return n.mark != Mark::none || n.dots > 0 || n.decimalComma ||
                                      n.exponent;
                           });
    }
    void extend(std::string_view piece) {
        if (begin == nullptr) begin = piece.data();
        end = piece.data() + piece.size();
    }
};

// Halves and links in text order, and the words or punctuation passed over between them.
enum class ItemKind : std::uint8_t { half, link, boundary };
struct Item {
    ItemKind kind;
    std::size_t index;
};

// The order of the letters: all before their numbers or all after.
enum class LetterStyle : std::uint8_t { after, before };

class Gatherer {
public:
    Gatherer(const reading::SourceText& source, const Tokens& tokens, CommaReading commas)
        : source_(source), t_(tokens), commas_(commas) {}

    // The halves and links in text order; a fault ends the gathering.
    PositionReading run() {
        style_ = lettersFirst() ? LetterStyle::before : LetterStyle::after;
        for (i_ = 0; i_ < t_.count && !failed(); ++i_)
            step(t_.items[i_]);
        if (failed()) return fault_;
        if (current().count > 0) {
            close();
        } else if (current().side != Side::none) {
            // A letter after the last numbers where the letters stand before them.
            return reading::failure(PositionError::misplacedLetter, ErrorPart::text,
                                    current().marker);
        } else if (openSeparator_.data() != nullptr) {
            return reading::failure(PositionError::emptyHalf, ErrorPart::text, openSeparator_);
        }
        return fault_;
    }

    std::array<HalfDraft, kMaxDrafts + 1> drafts{};
    std::size_t draftCount = 0;
    std::array<PositionReading, kMaxLinks> links{};
    std::size_t linkCount = 0;
    std::array<std::string_view, kMaxBoundaries> boundaries{};
    std::size_t boundaryCount = 0;
    std::array<Item, kMaxDrafts + kMaxLinks + kMaxBoundaries> items{};
    std::size_t itemCount = 0;
    bool unknownWords = false;         // prose or names around the position
    std::optional<Half> declaredFirst; // the half a header names first

private:
    bool failed() const { return fault_.error != PositionError::empty; }
    void fail(PositionError error, std::string_view piece) {
        if (!failed()) fault_ = reading::failure(error, ErrorPart::text, piece);
    }
    HalfDraft& current() { return drafts[draftCount]; }
    // Whether the first letter, sign or number is a letter: "Position: N 45 ..." too.
    bool lettersFirst() const {
        for (std::size_t k = 0; k < t_.count; ++k) {
            const TokenKind kind = t_.items[k].kind;
            if (kind == TokenKind::hemisphere || kind == TokenKind::secondsOrSouth) return true;
            if (kind == TokenKind::number || kind == TokenKind::sign || kind == TokenKind::link)
                return false;
        }
        return false;
    }
    const Token* previous() const { return i_ > 0 ? &t_.items[i_ - 1] : nullptr; }
    const Token* next() const { return i_ + 1 < t_.count ? &t_.items[i_ + 1] : nullptr; }

    void step(const Token& t) {
        switch (t.kind) {
        case TokenKind::number:
            return number(t);
        case TokenKind::comma:
            if (t.tight && commas_ == CommaReading::decimal)
                return fail(PositionError::badNumber, t.text);
            return separator(t);
        case TokenKind::semicolon:
        case TokenKind::slash:
            return separator(t);
        case TokenKind::colon:
        case TokenKind::dash:
            return joiner(t);
        case TokenKind::sign:
            return sign(t);
        case TokenKind::degreeMark:
            return mark(t, Mark::degrees);
        case TokenKind::minutesMark:
            return mark(t, Mark::minutes);
        case TokenKind::secondsMark:
            return mark(t, Mark::seconds);
        case TokenKind::secondsOrSouth:
            if (isSecondsPlace()) return mark(t, Mark::seconds);
            return hemisphere(t);
        case TokenKind::hemisphere:
            return hemisphere(t);
        case TokenKind::link:
            return link(t);
        case TokenKind::label:
            return label(t);
        case TokenKind::header:
            if (!declaredFirst) declaredFirst = t.axis;
            return boundary(t);
        case TokenKind::skip:
            return boundary(t);
        }
    }

    // The third number of a half whose second carries a minutes mark.
    bool isSecondsPlace() {
        const HalfDraft& h = current();
        return h.count == kMaxNumbersPerHalf && h.numbers[1].mark == Mark::minutes &&
               h.numbers[2].mark == Mark::none;
    }

    void close() {
        HalfDraft& h = current();
        if (draftCount == kMaxDrafts) return fail(PositionError::tooLong, h.text());
        items[itemCount++] = {ItemKind::half, draftCount};
        ++draftCount;
        closedByLetter_ = false;
        separatorAfterClose_ = false;
    }

    bool startsNewHalf(const Token& t) {
        const HalfDraft& h = current();
        if (h.count == 0) return false;
        if (previous()->kind == TokenKind::colon || previous()->kind == TokenKind::dash)
            return false;
        if (h.colons || h.complete || t.dots >= 2) return true;
        const Token* after = next();
        return after != nullptr && after->kind == TokenKind::degreeMark;
    }

    void number(const Token& t) {
        NumberDraft n{t.text, Mark::none, t.dots, t.exponent, false};
        // A decimal comma joins the digits on both of its sides: 40,446195.
        while (commas_ == CommaReading::decimal && i_ + 2 < t_.count &&
               t_.items[i_ + 1].kind == TokenKind::comma && t_.items[i_ + 1].tight &&
               t_.items[i_ + 2].kind == TokenKind::number && !n.decimalComma) {
            const Token& more = t_.items[i_ + 2];
            n.text = {n.text.data(), static_cast<std::size_t>(more.text.data() + more.text.size() -
                                                              n.text.data())};
            n.dots = static_cast<std::uint8_t>(n.dots + more.dots);
            n.exponent = more.exponent;
            n.decimalComma = true;
            i_ += 2;
        }
        if ((n.decimalComma && n.dots > 0) || (n.exponent && n.dots > 1) ||
            (t.exponent && n.decimalComma))
            return fail(PositionError::badNumber, n.text);
        if (startsNewHalf(t)) close();
        if (failed()) return;
        HalfDraft& h = current();
        if (h.count == kMaxDraftNumbers ||
            (h.count > 0 && !h.bare() && h.count == kMaxNumbersPerHalf))
            return fail(PositionError::tooManyNumbers, n.text);
        if (n.dots >= 2 && h.count > 0) return fail(PositionError::badNumber, n.text);
        h.numbers[h.count++] = n;
        if (n.dots >= 2) h.complete = true;
        h.extend(n.text);
        openSeparator_ = {};
    }

    void separator(const Token& t) {
        if (current().count > 0) {
            close();
            openSeparator_ = t.text;
            return;
        }
        // A comma after a word is the prose's: "Eiffel Tower, Paris, 48.8584, 2.2945".
        if (const Token* before = previous();
            before != nullptr &&
            (before->kind == TokenKind::skip || before->kind == TokenKind::header) &&
            current().side == Side::none && !current().labelled())
            return;
        // One separator may follow a half that its letter or a link already ended.
        const bool afterEndedHalf =
            current().side == Side::none && itemCount > 0 && !separatorAfterClose_ &&
            openSeparator_.data() == nullptr &&
            (closedByLetter_ || items[itemCount - 1].kind == ItemKind::link);
        if (afterEndedHalf) {
            separatorAfterClose_ = true;
            return;
        }
        fail(PositionError::emptyHalf, t.text);
    }

    // ":" or "-" between the numbers of one half.
    void joiner(const Token& t) {
        const Token* before = previous();
        const Token* after = next();
        HalfDraft& h = current();
        if (before == nullptr || before->kind != TokenKind::number || after == nullptr ||
            after->kind != TokenKind::number || h.count == 0)
            return fail(PositionError::strayCharacter, t.text);
        h.colons = true;
        h.dashes = h.dashes || t.kind == TokenKind::dash;
    }

    void label(const Token& t) {
        if (current().count > 0) close();
        if (failed()) return;
        HalfDraft& h = current();
        if (h.side != Side::none || h.labelled())
            return fail(PositionError::misplacedLetter, t.text);
        h.label = t.text;
        h.labelAxis = t.axis;
        h.extend(t.text);
        openSeparator_ = {};
    }

    // Words and punctuation end the half before them; the pairing checks that they stand
    // between positions, or beside halves that name themselves.
    void boundary(const Token& t) {
        unknownWords = unknownWords || t.unknown;
        if (current().count > 0) close();
        if (failed()) return;
        if (current().side != Side::none || current().labelled())
            return fail(PositionError::wordInside, t.text);
        openSeparator_ = {};
        if (itemCount > 0 && items[itemCount - 1].kind == ItemKind::boundary) {
            std::string_view& before = boundaries[items[itemCount - 1].index];
            before = {before.data(),
                      static_cast<std::size_t>(t.text.data() + t.text.size() - before.data())};
            return;
        }
        if (boundaryCount == kMaxBoundaries) return fail(PositionError::tooLong, t.text);
        boundaries[boundaryCount] = t.text;
        items[itemCount++] = {ItemKind::boundary, boundaryCount++};
    }

    void sign(const Token& t) {
        const Token* after = next();
        if (after == nullptr || after->kind != TokenKind::number || after->blankBefore)
            return fail(PositionError::misplacedSign, t.text);
        if (current().count > 0) close();
        if (failed()) return;
        HalfDraft& h = current();
        if (h.side == Side::letter) return fail(PositionError::signWithLetter, t.text);
        h.side = Side::sign;
        h.hemisphere = t.hemisphere;
        h.marker = t.text;
        h.extend(t.text);
    }

    void mark(const Token& t, Mark m) {
        HalfDraft& h = current();
        const Token* before = previous();
        if (h.count == 0 || before == nullptr || before->kind != TokenKind::number)
            return fail(PositionError::misplacedMark, t.text);
        NumberDraft& n = h.numbers[h.count - 1];
        const auto place = static_cast<std::size_t>(m);
        if (n.dots >= 2 || place != h.count) {
            // Quote the number with its mark: 30° in the place of the minutes.
            return fail(PositionError::misplacedMark,
                        {n.text.data(),
                         static_cast<std::size_t>(t.text.data() + t.text.size() - n.text.data())});
        }
        n.mark = m;
        if (m == Mark::seconds) h.complete = true;
        h.extend(t.text);
    }

    void hemisphere(const Token& t) {
        if (style_ == LetterStyle::after) {
            HalfDraft& h = current();
            if (h.count == 0) return fail(PositionError::misplacedLetter, t.text);
            if (h.side == Side::sign) return fail(PositionError::signWithLetter, h.text());
            setLetter(h, t);
            close();
            closedByLetter_ = true;
            return;
        }
        if (current().count > 0) close();
        if (failed()) return;
        HalfDraft& h = current();
        if (h.side != Side::none) return fail(PositionError::misplacedLetter, t.text);
        setLetter(h, t);
        openSeparator_ = {};
    }

    static void setLetter(HalfDraft& h, const Token& t) {
        h.side = Side::letter;
        h.hemisphere = t.hemisphere;
        h.axis = t.axis;
        h.marker = t.text;
        h.extend(t.text);
    }

    void link(const Token& t) {
        if (current().count > 0) close();
        if (failed()) return;
        if (current().side != Side::none) return fail(PositionError::emptyHalf, current().marker);
        if (linkCount == kMaxLinks) return fail(PositionError::tooLong, t.text);
        links[linkCount] = reading::readLink(source_, t.text);
        if (!links[linkCount].ok()) {
            fault_ = links[linkCount];
            return;
        }
        items[itemCount++] = {ItemKind::link, linkCount++};
        openSeparator_ = {};
        separatorAfterClose_ = false;
    }

    const reading::SourceText& source_;
    const Tokens& t_;
    CommaReading commas_;
    LetterStyle style_ = LetterStyle::after;
    std::size_t i_ = 0;
    bool closedByLetter_ = false;
    bool separatorAfterClose_ = false;
    std::string_view openSeparator_;
    PositionReading fault_;
};
// ---- From halves to positions -------------------------------------------------------------

// Where the digits of a packed number end for degrees and minutes, by half and length of the
// whole part: DDMM and DDMMSS for latitude, DDDMM and DDDMMSS for longitude.
struct PackedForm {
    Half axis;
    std::size_t wholeDigits;
    std::size_t degreeDigits;
    Notation notation;
};
constexpr std::array<PackedForm, 4> kPackedForms{{
    {Half::latitude, 4, 2, Notation::ddd_mmmmm},
    {Half::latitude, 6, 2, Notation::ddd_mm_sss},
    {Half::longitude, 5, 3, Notation::ddd_mmmmm},
    {Half::longitude, 7, 3, Notation::ddd_mm_sss},
}};
constexpr std::size_t kMinutesDigits = 2;

struct HalfShape {
    PositionError error = PositionError::none;
    ErrorPart part = ErrorPart::text;
    std::string_view piece;
    HalfInput input;
    Notation notation = Notation::dddddddd2;
    bool failed() const { return error != PositionError::none; }
    PositionReading fault() const { return reading::failure(error, part, piece); }
};

// "27.15.45" -> 27, 15, 45; "27.15.45.5" -> 27, 15, 45.5.
void expandDotted(const NumberDraft& n, HalfInput& h) {
    std::string_view rest = n.text;
    for (std::size_t k = 0; k + 1 < kMaxNumbersPerHalf; ++k) {
        const auto dot = rest.find('.');
        h.numbers[k] = rest.substr(0, dot);
        rest.remove_prefix(dot + 1);
    }
    h.numbers[kMaxNumbersPerHalf - 1] = rest;
    h.count = kMaxNumbersPerHalf;
}

// A packed number of a half with its hemisphere letter, when its digits fix the form.
void unpack(const HalfDraft& d, HalfShape& shape) {
    const NumberDraft& n = d.numbers[0];
    if (d.side != Side::letter || d.count != 1 || n.mark != Mark::none || n.exponent || n.dots >= 2)
        return;
    const std::size_t whole = std::min(n.text.find_first_of(".,"), n.text.size());
    for (const PackedForm& form : kPackedForms) {
        if (form.axis != d.axis || form.wholeDigits != whole) continue;
        // Leading zeros leave a decimal reading in range (0045.5): both readings work.
        const PositionReading asDecimal = d.axis == Half::latitude
                                              ? reading::signedDecimalPosition(n.text, "0")
                                              : reading::signedDecimalPosition("0", n.text);
        if (asDecimal.ok()) {
            shape.error = PositionError::ambiguousPacked;
            shape.part = d.axis == Half::latitude ? ErrorPart::latitude : ErrorPart::longitude;
            shape.piece = n.text;
            return;
        }
        HalfInput& h = shape.input;
        h.numbers[0] = n.text.substr(0, form.degreeDigits);
        if (form.notation == Notation::ddd_mmmmm) {
            h.numbers[1] = n.text.substr(form.degreeDigits);
            h.count = 2;
        } else {
            h.numbers[1] = n.text.substr(form.degreeDigits, kMinutesDigits);
            h.numbers[2] = n.text.substr(form.degreeDigits + kMinutesDigits);
            h.count = 3;
        }
        shape.notation = form.notation;
        return;
    }
}

constexpr std::array<Notation, kMaxNumbersPerHalf> kNotationByCount{
    Notation::dddddddd2, Notation::ddd_mmmmm, Notation::ddd_mm_sss};

bool isGroupedWithoutLetters(const HalfDraft& d) {
    const bool grouped = d.dashes || (d.count == 1 && d.numbers[0].dots >= 2);
    return grouped && d.side != Side::letter && !d.labelled();
}

void shapeOf(const HalfDraft& d, HalfShape& shape) {
    HalfInput& h = shape.input;
    h.hemisphere = d.hemisphere;
    h.whole = d.text();
    // Dashed and dotted groups come with their letters (40-26-46N, 27.15.45S); without them
    // they are far more likely a date or a version number.
    if (isGroupedWithoutLetters(d)) {
        shape.error = PositionError::groupsWithoutLetters;
        shape.piece = d.text();
        return;
    }
    if (d.count == 1 && d.numbers[0].dots >= 2) {
        if (d.numbers[0].dots > kMaxNumbersPerHalf) {
            shape.error = PositionError::badNumber;
            shape.piece = d.numbers[0].text;
            return;
        }
        expandDotted(d.numbers[0], h);
    } else {
        for (std::size_t k = 0; k < d.count; ++k)
            h.numbers[k] = d.numbers[k].text;
        h.count = d.count;
    }
    shape.notation = kNotationByCount[h.count - 1];
    if (h.count == 1 && d.side == Side::letter) shape.notation = Notation::dddddddd1;
    unpack(d, shape);
}

// Splits a draft of unmarked numbers that holds both halves in the middle: 40 26 46 79 58 56.
// The sign of the first half stays with it.
bool splitInTheMiddle(const HalfDraft& d, HalfDraft& first, HalfDraft& second) {
    if (d.count % 2 != 0) return false;
    const std::size_t half = d.count / 2;
    first = d;
    first.count = half;
    second = HalfDraft{};
    for (std::size_t k = 0; k < half; ++k)
        second.numbers[k] = d.numbers[half + k];
    second.count = half;
    const NumberDraft& lastOfFirst = first.numbers[half - 1];
    first.end = lastOfFirst.text.data() + lastOfFirst.text.size();
    second.begin = second.numbers[0].text.data();
    second.end = d.end;
    return true;
}

// Pairs the halves in order (a link is a whole position) and checks that all positions agree.
class Pairing {
public:
    explicit Pairing(Gatherer& g) : g_(g) {}

    PositionReading run() {
        if (const PositionReading f = splitUnclear(); f.error != PositionError::empty) return f;
        for (std::size_t k = 0; k < g_.itemCount; ++k) {
            const Item item = g_.items[k];
            if (item.kind == ItemKind::boundary) {
                // Words between two halves that do not name themselves: "45 at 73".
                if (pending_ != nullptr && !namesItself(*pending_))
                    return reading::failure(PositionError::wordInside, ErrorPart::text,
                                            g_.boundaries[item.index]);
                continue;
            }
            if (item.kind == ItemKind::link) {
                if (pending_ != nullptr) return strayHalf(*pending_);
                if (const PositionReading f = add(g_.links[item.index]); !f.ok()) return f;
                continue;
            }
            const HalfDraft& d = g_.drafts[item.index];
            if (pending_ == nullptr) {
                pending_ = &d;
                continue;
            }
            if (const PositionReading f = add(pair(*pending_, d)); !f.ok()) return f;
            pending_ = nullptr;
        }
        if (pending_ != nullptr) {
            // "2024-03-15", "Version 2.4.1": a date or version rather than half a position.
            if (count_ == 0 && isGroupedWithoutLetters(*pending_))
                return reading::failure(PositionError::groupsWithoutLetters, ErrorPart::text,
                                        pending_->text());
            if (count_ == 0)
                return reading::failure(PositionError::missingHalf, ErrorPart::text,
                                        pending_->text());
            return strayHalf(*pending_);
        }
        return first_;
    }

private:
    static PositionReading strayHalf(const HalfDraft& d) {
        return reading::failure(PositionError::strayHalf, ErrorPart::text, d.text());
    }

    // Unmarked numbers that run across both halves are split in the middle: more numbers than
    // one half holds, or two numbers that are the whole text (40.5 -73.2).
    PositionReading splitUnclear() {
        const auto positionItems = std::count_if(
            g_.items.begin(), g_.items.begin() + static_cast<std::ptrdiff_t>(g_.itemCount),
            [](const Item& item) { return item.kind != ItemKind::boundary; });
        const bool single = positionItems == 1 && g_.draftCount == 1;
        for (std::size_t k = 0; k < g_.draftCount; ++k) {
            const HalfDraft& d = g_.drafts[k];
            if (d.count > kMaxNumbersPerHalf && !d.bare())
                return reading::failure(PositionError::tooManyNumbers, ErrorPart::text,
                                        d.numbers[kMaxNumbersPerHalf].text);
            // Degrees with decimals end their half, so 48.85 2.29 is two halves anywhere.
            const bool decimalsFirst = d.numbers[0].dots == 1 || d.numbers[0].decimalComma;
            const bool split = d.count > kMaxNumbersPerHalf ||
                               (d.bare() && d.count == 2 && (single || decimalsFirst));
            const bool unclear = single && d.bare() && d.count == kMaxNumbersPerHalf;
            if (unclear)
                return reading::failure(PositionError::unclearHalves, ErrorPart::text, d.text());
            if (!split) continue;
            // "+33 1 42 68 53 00": a "+" before unmarked groups starts a phone number.
            if (d.side == Side::sign && d.marker == "+" && d.count > 2)
                return reading::failure(PositionError::phoneNumber, ErrorPart::text, d.text());
            HalfDraft first;
            HalfDraft second;
            if (!splitInTheMiddle(d, first, second) || g_.draftCount == kMaxDrafts)
                return reading::failure(PositionError::unclearHalves, ErrorPart::text, d.text());
            for (std::size_t j = g_.draftCount; j > k + 1; --j)
                g_.drafts[j] = g_.drafts[j - 1];
            g_.drafts[k] = first;
            g_.drafts[k + 1] = second;
            ++g_.draftCount;
            insertItemAfter(k);
            ++k;
        }
        return reading::failure(PositionError::empty, ErrorPart::text, {});
    }

    void insertItemAfter(std::size_t draft) {
        for (std::size_t j = 0; j < g_.itemCount; ++j)
            if (g_.items[j].kind == ItemKind::half && g_.items[j].index > draft)
                ++g_.items[j].index;
        std::size_t at = 0;
        while (at < g_.itemCount &&
               !(g_.items[at].kind == ItemKind::half && g_.items[at].index == draft))
            ++at;
        for (std::size_t j = g_.itemCount; j > at + 1; --j)
            g_.items[j] = g_.items[j - 1];
        g_.items[at + 1] = {ItemKind::half, draft + 1};
        ++g_.itemCount;
    }

    // A half that names its half: by a hemisphere letter, a label, or a header before it.
    static bool namesItself(const HalfDraft& d) { return d.side == Side::letter || d.labelled(); }

    // Which half a draft is, as far as it says: its label (or the header's word for its place
    // in the pair), else its letter. A label and a letter must agree.
    struct Naming {
        std::optional<Half> axis;
        bool byLabel = false;
        std::string_view word; // the label or letter, for messages
    };
    PositionReading naming(const HalfDraft& d, std::optional<Half> declared, Naming& out) const {
        const std::optional<Half> labelAxis = d.labelled() ? std::optional(d.labelAxis) : declared;
        if (d.side == Side::letter) {
            if (labelAxis && *labelAxis != d.axis)
                return reading::failure(PositionError::labelDisagrees, ErrorPart::text, d.marker);
            out = {d.axis, labelAxis.has_value(), d.marker};
        } else if (labelAxis) {
            out = {labelAxis, true, d.labelled() ? d.label : d.text()};
        }
        return reading::failure(PositionError::empty, ErrorPart::text, {});
    }

    PositionReading pair(const HalfDraft& a, const HalfDraft& b) const {
        const std::optional<Half> declaredSecond =
            g_.declaredFirst ? std::optional(otherHalf(*g_.declaredFirst)) : std::nullopt;
        Naming na;
        Naming nb;
        for (const PositionReading& f :
             {naming(a, g_.declaredFirst, na), naming(b, declaredSecond, nb)})
            if (f.error != PositionError::empty) return f;
        const bool aLetter = a.side == Side::letter;
        const bool bLetter = b.side == Side::letter;
        // A half without a letter beside one with a letter is read only under its own label.
        if (aLetter != bLetter && !(aLetter ? nb.byLabel : na.byLabel)) {
            const HalfDraft& without = aLetter ? b : a;
            return reading::failure(PositionError::missingHemisphere,
                                    aLetter ? ErrorPart::longitude : ErrorPart::latitude,
                                    without.text());
        }
        if (na.axis && nb.axis && *na.axis == *nb.axis)
            return reading::failure(
                PositionError::unknownHemisphere,
                *na.axis == Half::latitude ? ErrorPart::latitude : ErrorPart::longitude, nb.word);
        if (g_.unknownWords)
            for (const HalfDraft* d : {&a, &b})
                if (!d->evident())
                    return reading::failure(PositionError::unmarkedAmongWords, ErrorPart::text,
                                            d->text());
        const HalfDraft* latitude = &a;
        const HalfDraft* longitude = &b;
        if ((na.axis && *na.axis == Half::longitude) || (nb.axis && *nb.axis == Half::latitude))
            std::swap(latitude, longitude);
        HalfShape lat;
        shapeOf(*latitude, lat);
        if (lat.failed()) return lat.fault();
        HalfShape lon;
        shapeOf(*longitude, lon);
        if (lon.failed()) return lon.fault();
        // "Lat: 48.85 N, Lon: 2.29": a labelled signed number beside one with a letter.
        if (aLetter != bLetter && lat.input.count == 1 && lon.input.count == 1)
            lat.notation = lon.notation = Notation::dddddddd1;
        if (lat.notation != lon.notation) {
            PositionReading r =
                reading::failure(PositionError::mixedNotations, ErrorPart::text,
                                 {a.begin, static_cast<std::size_t>(b.end - a.begin)});
            r.notation = lat.notation;
            r.otherNotation = lon.notation;
            return r;
        }
        return reading::finish(lat.notation, lat.input, lon.input);
    }

    PositionReading add(const PositionReading& p) {
        if (!p.ok()) return p;
        if (count_++ == 0) {
            first_ = p;
        } else if (!reading::agree(first_, p)) {
            PositionReading r =
                reading::failure(PositionError::readingsDisagree, ErrorPart::text, {});
            r.competing = {first_.point, p.point};
            return r;
        }
        return p;
    }

    Gatherer& g_;
    const HalfDraft* pending_ = nullptr;
    std::size_t count_ = 0;
    PositionReading first_;
};
// How far a reading got before it failed: later faults say more about the text.
int stageOf(PositionError e) {
    switch (e) {
    case PositionError::none:
        return 4;
    case PositionError::readingsDisagree:
    case PositionError::outOfRange:
        return 3;
    case PositionError::strayHalf:
    case PositionError::missingHalf:
    case PositionError::mixedNotations:
    case PositionError::wordInside:
        return 1;
    default:
        return 2;
    }
}

PositionReading readWith(const reading::SourceText& source, const Tokens& tokens,
                         CommaReading commas) {
    Gatherer g(source, tokens, commas);
    if (const PositionReading f = g.run(); f.error != PositionError::empty) return f;
    return Pairing(g).run();
}

// Wrapping in ( ) or [ ] around the whole text.
std::string_view unwrapped(std::string_view text) {
    constexpr std::array<std::array<char, 2>, 2> kBrackets{{{'(', ')'}, {'[', ']'}}};
    for (const auto& [open, close] : kBrackets)
        if (text.size() >= 2 && text.front() == open && text.back() == close)
            return text.substr(1, text.size() - 2);
    return text;
}

// "46,8" (perhaps signed): one number with a decimal comma, as a spreadsheet cell holds it.
bool isOneNumberWithComma(const Tokens& t) {
    const std::size_t first = t.count > 0 && t.items[0].kind == TokenKind::sign ? 1 : 0;
    return t.count == first + 3 && t.items[first].kind == TokenKind::number &&
           t.items[first].dots == 0 && t.items[first + 1].tight &&
           t.items[first + 2].kind == TokenKind::number && t.items[first + 2].dots == 0;
}

// Words and punctuation, nothing of a position: "Eiffel Tower".
bool onlyWords(const Tokens& t) {
    return std::all_of(t.items.begin(), t.items.begin() + static_cast<std::ptrdiff_t>(t.count),
                       [](const Token& token) {
                           return token.kind == TokenKind::skip || token.kind == TokenKind::header;
                       });
}

} // namespace

std::string_view reading::trimBlanks(std::string_view s) noexcept {
    constexpr std::string_view kAsciiBlanks = " \t\r\n";
    const auto first = s.find_first_not_of(kAsciiBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kAsciiBlanks) - first + 1);
}

PositionReading reading::readWritten(const SourceText& source, std::string_view text,
                                     NestedLinks links) noexcept {
    Tokens tokens;
    Tokenizer(unwrapped(text), tokens, links).run();
    if (tokens.failed()) return tokens.fault;
    if (isOneNumberWithComma(tokens))
        return failure(PositionError::singleNumber, ErrorPart::text, text);
    if (onlyWords(tokens)) return failure(PositionError::onlyWords, ErrorPart::text, text);
    const PositionReading asDecimal = readWith(source, tokens, CommaReading::decimal);
    if (!tokens.hasTightComma) return asDecimal;

    // A comma between digits is read both ways; the text is taken when one reading works.
    const PositionReading asSeparator = readWith(source, tokens, CommaReading::separator);
    if (asDecimal.ok() && asSeparator.ok()) {
        if (agree(asDecimal, asSeparator)) return asDecimal;
        PositionReading r = failure(PositionError::ambiguousReadings, ErrorPart::text, text);
        r.competing = {asDecimal.point, asSeparator.point};
        return r;
    }
    if (asDecimal.ok()) return asDecimal;
    if (asSeparator.ok()) return asSeparator;
    std::size_t tightCommas = 0;
    for (std::size_t k = 0; k < tokens.count; ++k)
        if (tokens.items[k].tight) ++tightCommas;
    if (tightCommas > 1 && asDecimal.error != PositionError::outOfRange &&
        asSeparator.error != PositionError::outOfRange)
        return failure(PositionError::ambiguousCommas, ErrorPart::text, text);
    return stageOf(asSeparator.error) > stageOf(asDecimal.error) ? asSeparator : asDecimal;
}

PositionReading reading::readHalves(const SourceText& from, std::string_view latitude,
                                    std::string_view longitude) noexcept {
    SourceText pair(from.original());
    pair.append(latitude, from);
    pair.appendOwn(", ");
    pair.append(longitude, from);
    if (pair.overflowed()) return failure(PositionError::tooLong, ErrorPart::text, latitude);
    return pair.rebased(readWritten(pair, pair.view()));
}

} // namespace quorvane
