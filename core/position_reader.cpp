// Reading a written position: the text is cut into tokens (numbers, marks, hemispheres, signs,
// separators, links), the tokens are gathered into halves, the halves paired into positions,
// and the positions checked and compared. Everything lives in fixed arrays on the stack.
#include "core/position_reader.h"

#include "core/ascii.h"
#include "core/grid/grid_reference.h"
#include "core/position_parts.h"
#include "core/utf.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvane {

namespace {

using reading::HalfInput;

// ---- Tokens -------------------------------------------------------------------------------

enum class TokenKind : std::uint8_t {
    number,
    comma,
    semicolon,
    slash,
    colon,
    sign,
    degreeMark,
    minutesMark,
    secondsMark,
    secondsOrSouth, // "s" straight after a number: seconds or South, decided by its place
    hemisphere,
    link,
};

enum class Mark : std::uint8_t { none, degrees, minutes, seconds };

struct Token {
    TokenKind kind = TokenKind::number;
    std::string_view text;
    bool blankBefore = false;
    bool tight = false; // a comma with a digit straight on each side
    Hemisphere hemisphere = Hemisphere::northOrEast;
    Half axis = Half::latitude;
    std::uint8_t dots = 0;
    bool exponent = false;
};

Token makeToken(TokenKind kind, std::string_view text) {
    Token t;
    t.kind = kind;
    t.text = text;
    return t;
}

// More tokens than the longest sensible text (three notations of one position) needs.
constexpr std::size_t kMaxTokens = 64;

struct Spelling {
    std::string_view text;
    TokenKind kind;
};

// Longer spellings first where one begins another ('' before ').
constexpr std::array<Spelling, 19> kSymbols{{
    {"''", TokenKind::secondsMark},
    {"\u2032\u2032", TokenKind::secondsMark},
    {"\u2019\u2019", TokenKind::secondsMark},
    {"\"", TokenKind::secondsMark},
    {"\u2033", TokenKind::secondsMark},
    {"\u201D", TokenKind::secondsMark},
    {"\u201C", TokenKind::secondsMark},
    {"\u00B0", TokenKind::degreeMark},
    {"\u00BA", TokenKind::degreeMark},
    {"\u02DA", TokenKind::degreeMark},
    {"'", TokenKind::minutesMark},
    {"\u2032", TokenKind::minutesMark},
    {"\u2019", TokenKind::minutesMark},
    {"\u2018", TokenKind::minutesMark},
    {"\u00B4", TokenKind::minutesMark},
    {",", TokenKind::comma},
    {";", TokenKind::semicolon},
    {"/", TokenKind::slash},
    {":", TokenKind::colon},
}};

constexpr std::array<std::string_view, 3> kSigns{"-", "+", "\u2212"};
// Blanks, line breaks and the no-break spaces that web pages put between number and letter.
constexpr std::array<std::string_view, 6> kBlanks{" ", "\t", "\r", "\n", "\u00A0", "\u202F"};

struct Word {
    std::string_view text; // lower case
    TokenKind kind;
    Half axis;
    Hemisphere hemisphere;
};

constexpr Hemisphere kNorthEast = Hemisphere::northOrEast;
constexpr Hemisphere kSouthWest = Hemisphere::southOrWest;

// The words of the hemispheres (English, German, French) and the unit marks written as letters.
constexpr std::array<Word, 20> kWords{{
    {"n", TokenKind::hemisphere, Half::latitude, kNorthEast},
    {"s", TokenKind::secondsOrSouth, Half::latitude, kSouthWest},
    {"e", TokenKind::hemisphere, Half::longitude, kNorthEast},
    {"w", TokenKind::hemisphere, Half::longitude, kSouthWest},
    {"north", TokenKind::hemisphere, Half::latitude, kNorthEast},
    {"south", TokenKind::hemisphere, Half::latitude, kSouthWest},
    {"east", TokenKind::hemisphere, Half::longitude, kNorthEast},
    {"west", TokenKind::hemisphere, Half::longitude, kSouthWest},
    {"nord", TokenKind::hemisphere, Half::latitude, kNorthEast},
    {"s\u00FCd", TokenKind::hemisphere, Half::latitude, kSouthWest},
    {"sud", TokenKind::hemisphere, Half::latitude, kSouthWest},
    {"ost", TokenKind::hemisphere, Half::longitude, kNorthEast},
    {"est", TokenKind::hemisphere, Half::longitude, kNorthEast},
    {"ouest", TokenKind::hemisphere, Half::longitude, kSouthWest},
    {"deg", TokenKind::degreeMark, Half::latitude, kNorthEast},
    {"d", TokenKind::degreeMark, Half::latitude, kNorthEast},
    {"min", TokenKind::minutesMark, Half::latitude, kNorthEast},
    {"m", TokenKind::minutesMark, Half::latitude, kNorthEast},
    {"sec", TokenKind::secondsMark, Half::latitude, kNorthEast},
    // East in German, West in French: refused whenever it is met.
    {"o", TokenKind::hemisphere, Half::longitude, kNorthEast},
}};
constexpr std::string_view kAmbiguousO = "o";

// "ü" and "Ü" in UTF-8, the one non-ASCII letter of the hemisphere words.
constexpr std::string_view kUmlautLower = "\u00FC";
constexpr std::string_view kUmlautUpper = "\u00DC";

std::size_t letterLength(std::string_view s) {
    if (!s.empty() && ascii::isLetter(s.front())) return 1;
    if (s.substr(0, kUmlautLower.size()) == kUmlautLower ||
        s.substr(0, kUmlautUpper.size()) == kUmlautUpper)
        return kUmlautLower.size();
    return 0;
}

// A word compared without case; "Ü" compares as "ü".
bool wordEquals(std::string_view written, std::string_view word) {
    std::size_t i = 0;
    std::size_t k = 0;
    while (i < written.size() && k < word.size()) {
        if (written.substr(i, kUmlautUpper.size()) == kUmlautUpper &&
            word.substr(k, kUmlautLower.size()) == kUmlautLower) {
            i += kUmlautUpper.size();
            k += kUmlautLower.size();
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

template <std::size_t N>
std::size_t prefixLength(std::string_view s, const std::array<std::string_view, N>& options) {
    for (const std::string_view o : options)
        if (o.front() == s.front() && s.substr(0, o.size()) == o) return o.size();
    return 0;
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
    Tokenizer(std::string_view text, Tokens& out) : s_(text), out_(out) {}

    void run() {
        while (i_ < s_.size() && !out_.failed()) {
            const std::string_view rest = s_.substr(i_);
            if (const std::size_t blank = prefixLength(rest, kBlanks); blank > 0) {
                i_ += blank;
                blankBefore_ = true;
                continue;
            }
            if (ascii::isDigit(rest.front()) ||
                (rest.front() == '.' && rest.size() > 1 && ascii::isDigit(rest[1]))) {
                number();
            } else if (const std::size_t sign = prefixLength(rest, kSigns); sign > 0) {
                push(makeToken(TokenKind::sign, rest.substr(0, sign)));
                out_.items[out_.count - 1].hemisphere =
                    rest.front() == '+' ? Hemisphere::northOrEast : Hemisphere::southOrWest;
                i_ += sign;
            } else if (letterLength(rest) > 0) {
                word(rest);
            } else {
                symbol(rest);
            }
        }
    }

private:
    void fail(PositionError error, std::string_view piece) {
        out_.fault = reading::failure(error, ErrorPart::text, piece);
    }

    void push(Token t) {
        if (out_.count == kMaxTokens) return fail(PositionError::tooLong, s_);
        t.blankBefore = blankBefore_;
        blankBefore_ = false;
        out_.items[out_.count++] = t;
    }

    void number() {
        const std::size_t start = i_;
        Token t = makeToken(TokenKind::number, {});
        while (i_ < s_.size() && (ascii::isDigit(s_[i_]) || s_[i_] == '.')) {
            if (s_[i_] == '.') ++t.dots;
            ++i_;
        }
        // An exponent as the form writes it: e-05. A bare "E" after a number is East.
        if (i_ + 2 < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E') &&
            (s_[i_ + 1] == '-' || s_[i_ + 1] == '+') && ascii::isDigit(s_[i_ + 2])) {
            std::size_t k = i_ + 2;
            while (k < s_.size() && ascii::isDigit(s_[k]))
                ++k;
            if (k == s_.size() || s_[k] != '.') {
                i_ = k;
                t.exponent = true;
            }
        }
        t.text = s_.substr(start, i_ - start);
        push(t);
    }

    void word(std::string_view rest) {
        if (reading::startsWithLink(rest)) {
            const auto end = rest.find_first_of(" \t\r\n");
            push(makeToken(TokenKind::link, rest.substr(0, end)));
            i_ += end == std::string_view::npos ? rest.size() : end;
            return;
        }
        std::size_t length = 0;
        while (const std::size_t more = letterLength(rest.substr(length)))
            length += more;
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
            if (letter == nullptr || letter->kind == TokenKind::degreeMark ||
                letter->kind == TokenKind::minutesMark || letter->kind == TokenKind::secondsMark)
                continue;
            pushWord(*mark, written.substr(0, markWord.size()));
            if (!out_.failed()) pushWord(*letter, written.substr(markWord.size()));
            return;
        }
        fail(PositionError::strayCharacter, written);
    }

    void pushWord(const Word& w, std::string_view written) {
        if (w.text == kAmbiguousO) return fail(PositionError::ambiguousLetter, written);
        Token t = makeToken(w.kind, written);
        t.axis = w.axis;
        t.hemisphere = w.hemisphere;
        // "s" is a seconds mark only straight after a number.
        if (w.kind == TokenKind::secondsOrSouth &&
            (blankBefore_ || out_.count == 0 ||
             out_.items[out_.count - 1].kind != TokenKind::number))
            t.kind = TokenKind::hemisphere;
        push(t);
    }

    void symbol(std::string_view rest) {
        for (const Spelling& sp : kSymbols) {
            if (sp.text.front() != rest.front() || rest.substr(0, sp.text.size()) != sp.text)
                continue;
            Token t = makeToken(sp.kind, rest.substr(0, sp.text.size()));
            t.tight = sp.kind == TokenKind::comma && i_ > 0 && ascii::isDigit(s_[i_ - 1]) &&
                      !blankBefore_ && rest.size() > 1 && ascii::isDigit(rest[1]);
            out_.hasTightComma = out_.hasTightComma || t.tight;
            push(t);
            i_ += sp.text.size();
            return;
        }
        fail(PositionError::strayCharacter, firstCharacter(rest));
    }

    std::string_view s_;
    std::size_t i_ = 0;
    bool blankBefore_ = false;
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

struct HalfDraft {
    std::array<NumberDraft, kMaxDraftNumbers> numbers{};
    std::size_t count = 0;
    bool colons = false;
    bool complete = false; // a seconds mark or a dotted number: no further number
    Side side = Side::none;
    Hemisphere hemisphere = Hemisphere::northOrEast;
    Half axis = Half::latitude;
    std::string_view marker; // the letter or the sign
    const char* begin = nullptr;
    const char* end = nullptr;

    std::string_view text() const { return {begin, static_cast<std::size_t>(end - begin)}; }
    bool bare() const {
        if (colons || side == Side::letter) return false;
        return std::all_of(numbers.begin(), numbers.begin() + static_cast<std::ptrdiff_t>(count),
                           [](const NumberDraft& n) { return n.mark == Mark::none && n.dots < 2; });
    }
    void extend(std::string_view piece) {
        if (begin == nullptr) begin = piece.data();
        end = piece.data() + piece.size();
    }
};

enum class ItemKind : std::uint8_t { half, link };
struct Item {
    ItemKind kind;
    std::size_t index;
};

// The order of the letters: all before their numbers or all after.
enum class LetterStyle : std::uint8_t { after, before };

class Gatherer {
public:
    Gatherer(const Tokens& tokens, CommaReading commas) : t_(tokens), commas_(commas) {}

    // The halves and links in text order; a fault ends the gathering.
    PositionReading run() {
        style_ = t_.count > 0 && isHemisphere(0) ? LetterStyle::before : LetterStyle::after;
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
    std::array<Item, kMaxDrafts + kMaxLinks> items{};
    std::size_t itemCount = 0;

private:
    bool failed() const { return fault_.error != PositionError::empty; }
    void fail(PositionError error, std::string_view piece) {
        if (!failed()) fault_ = reading::failure(error, ErrorPart::text, piece);
    }
    HalfDraft& current() { return drafts[draftCount]; }
    bool isHemisphere(std::size_t k) const {
        const TokenKind kind = t_.items[k].kind;
        return kind == TokenKind::hemisphere || kind == TokenKind::secondsOrSouth;
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
            return colon(t);
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
        if (previous()->kind == TokenKind::colon) return false;
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

    void colon(const Token& t) {
        const Token* before = previous();
        const Token* after = next();
        HalfDraft& h = current();
        if (before == nullptr || before->kind != TokenKind::number || after == nullptr ||
            after->kind != TokenKind::number || h.count == 0)
            return fail(PositionError::strayCharacter, t.text);
        h.colons = true;
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
        links[linkCount] = reading::readLink(t.text);
        if (!links[linkCount].ok()) {
            fault_ = links[linkCount];
            return;
        }
        items[itemCount++] = {ItemKind::link, linkCount++};
        openSeparator_ = {};
        separatorAfterClose_ = false;
    }

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

void shapeOf(const HalfDraft& d, HalfShape& shape) {
    HalfInput& h = shape.input;
    h.hemisphere = d.hemisphere;
    h.whole = d.text();
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

struct Positions {
    PositionReading first;
    std::size_t count = 0;
    PositionReading result; // error empty: nothing yet
};

// Pairs the halves in order (a link is a whole position) and checks that all positions agree.
class Pairing {
public:
    explicit Pairing(Gatherer& g) : g_(g) {}

    PositionReading run() {
        if (const PositionReading f = splitUnclear(); f.error != PositionError::empty) return f;
        for (std::size_t k = 0; k < g_.itemCount; ++k) {
            const Item item = g_.items[k];
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
        const bool single = g_.itemCount == 1 && g_.items[0].kind == ItemKind::half;
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

    static PositionReading pair(const HalfDraft& a, const HalfDraft& b) {
        const bool aLetter = a.side == Side::letter;
        const bool bLetter = b.side == Side::letter;
        if (aLetter != bLetter) {
            const HalfDraft& without = aLetter ? b : a;
            return reading::failure(PositionError::missingHemisphere,
                                    aLetter ? ErrorPart::longitude : ErrorPart::latitude,
                                    without.text());
        }
        const HalfDraft* latitude = &a;
        const HalfDraft* longitude = &b;
        if (aLetter) {
            if (a.axis == b.axis)
                return reading::failure(PositionError::unknownHemisphere,
                                        a.axis == Half::latitude ? ErrorPart::latitude
                                                                 : ErrorPart::longitude,
                                        b.marker);
            if (a.axis == Half::longitude) std::swap(latitude, longitude);
        }
        HalfShape lat;
        shapeOf(*latitude, lat);
        if (lat.failed()) return lat.fault();
        HalfShape lon;
        shapeOf(*longitude, lon);
        if (lon.failed()) return lon.fault();
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
        return 1;
    default:
        return 2;
    }
}

PositionReading readWith(const Tokens& tokens, CommaReading commas) {
    Gatherer g(tokens, commas);
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

std::string_view trimBlanks(std::string_view s) {
    constexpr std::string_view kAsciiBlanks = " \t\r\n";
    const auto first = s.find_first_not_of(kAsciiBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kAsciiBlanks) - first + 1);
}

PositionReading readWritten(std::string_view text) noexcept {
    Tokens tokens;
    Tokenizer(unwrapped(text), tokens).run();
    if (tokens.failed()) return tokens.fault;
    const PositionReading asDecimal = readWith(tokens, CommaReading::decimal);
    if (!tokens.hasTightComma) return asDecimal;

    // A comma between digits is read both ways; the text is taken when one reading works.
    const PositionReading asSeparator = readWith(tokens, CommaReading::separator);
    if (asDecimal.ok() && asSeparator.ok()) {
        if (reading::agree(asDecimal, asSeparator)) return asDecimal;
        PositionReading r =
            reading::failure(PositionError::ambiguousReadings, ErrorPart::text, text);
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
        return reading::failure(PositionError::ambiguousCommas, ErrorPart::text, text);
    return stageOf(asSeparator.error) > stageOf(asDecimal.error) ? asSeparator : asDecimal;
}

// ---- The readers --------------------------------------------------------------------------

// The kinds of text, tried in order: the first that takes a text reads it. A further kind (a
// grid reference) is one more entry before the written coordinates, which take any text.
struct TextReader {
    std::string_view name;
    bool (*takes)(std::string_view text) noexcept;
    PositionReading (*read)(std::string_view text) noexcept;
};

// The commonest text, two signed decimal numbers and a comma ("-45.5, 73.25", also the form's
// own line), read without tokens. Anything else, even a blank before the comma, takes the
// general road, which reads these texts the same way.
bool isPlainPair(std::string_view text) noexcept {
    const std::size_t first = reading::signedDecimalLength(text);
    if (first == 0 || first >= text.size() || text[first] != ',') return false;
    std::size_t second = first + 1;
    while (second < text.size() && text[second] == ' ')
        ++second;
    return second < text.size() &&
           reading::signedDecimalLength(text.substr(second)) == text.size() - second;
}

PositionReading readPlainPair(std::string_view text) noexcept {
    const std::size_t comma = text.find(',');
    const std::size_t second = text.find_first_not_of(' ', comma + 1);
    return reading::signedDecimalPosition(text.substr(0, comma), text.substr(second));
}

bool isWholeLink(std::string_view text) noexcept {
    return reading::startsWithLink(text) && text.find_first_of(" \t\r\n") == std::string_view::npos;
}
bool anyText(std::string_view) noexcept {
    return true;
}

// A grid reference (UTM/UPS, MGRS, Plus Code, Maidenhead locator) by its shape; the position
// is the centre of the square it names, to the seven decimals the form's fill writes.
bool isGridReference(std::string_view text) noexcept {
    return grid::recogniseGridSystem(text).has_value();
}

constexpr double kSevenDecimals = 1e7;
constexpr double kMetresPerDegree = 111'320; // a degree of latitude, near enough for a precision

PositionReading readGridPosition(std::string_view text) noexcept {
    const grid::GridReading g = grid::readGridReference(text);
    if (!g.ok()) return reading::failure(PositionError::badGridReference, ErrorPart::text, text);
    return positionOfReference(g);
}

constexpr std::array<TextReader, 4> kTextReaders{{
    {"signed decimal pair", isPlainPair, readPlainPair},
    {"link", isWholeLink, reading::readLink},
    {"grid reference", isGridReference, readGridPosition},
    {"written coordinates", anyText, readWritten},
}};

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
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty()) return reading::failure(PositionError::empty, ErrorPart::text, text);
    for (const TextReader& reader : kTextReaders)
        if (reader.takes(trimmed)) return reader.read(trimmed);
    return reading::failure(PositionError::strayCharacter, ErrorPart::text, trimmed);
}

} // namespace quorvane
