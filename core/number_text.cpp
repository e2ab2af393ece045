#include "number_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h> // newlocale, strtod_l: the "C" locale as an object, not the process's
#include <optional>

namespace quorvane {

namespace {

// The characters strtod would skip at the start of a text; parseDouble refuses them instead.
constexpr bool isLeadingBlank(char c) {
    return c == '\0' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

// Texts made only of an optional "-", digits and at most one "." are the ones users type and
// the program writes. Up to this length they can neither overflow nor underflow, so
// std::from_chars (correctly rounded, like glibc's strtod) gives the same value, much faster.
constexpr std::size_t kPlainDecimalMaxLength = 24;

bool isPlainDecimal(std::string_view text) {
    if (text.size() > kPlainDecimalMaxLength) return false;
    std::size_t i = text.front() == '-' ? 1 : 0;
    bool digit = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

// The exact fast path: a plain decimal whose digits, read as a whole number, stay below 2^53
// and that has at most 22 digits after the point is that number divided by a power of ten,
// both held exactly by a double, so the one rounding of the division gives the correctly
// rounded value, the same as strtod's. Nearly every field text qualifies.
constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;
constexpr std::size_t kMaxExactDigits = 19; // any 19 digits fit in 64 bits
constexpr std::array<double, 23> kExactPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

std::optional<double> exactShortDecimal(std::string_view text) {
    std::size_t i = text.front() == '-' ? 1 : 0;
    const bool negative = i == 1;
    std::uint64_t digits = 0;
    std::size_t count = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++count > kMaxExactDigits) return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || digits > kExactIntegerLimit || decimals >= kExactPowersOfTen.size())
        return std::nullopt;
    const double magnitude = static_cast<double>(digits) / kExactPowersOfTen[decimals];
    return negative ? -magnitude : magnitude;
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

ParseResult parseWithC(std::string_view text) noexcept {
    // strtod needs a terminated text; short ones are copied to the stack.
    constexpr std::size_t kStackCopy = 64;
    std::array<char, kStackCopy> stackCopy{};
    std::string heapCopy;
    const char* start = nullptr;
    if (text.size() < kStackCopy) {
        text.copy(stackCopy.data(), text.size());
        stackCopy[text.size()] = '\0';
        start = stackCopy.data();
    } else {
        try {
            heapCopy.assign(text);
        } catch (...) {
            return {0, 0, ParseError::notANumber};
        }
        start = heapCopy.c_str();
    }

    char* end = nullptr;
    errno = 0;
    const double value = strtod_l(start, &end, cLocale());
    const int error = errno;
    const auto consumed = static_cast<std::size_t>(end - start);
    if (consumed == 0) return {0, 0, ParseError::notANumber};
    // An embedded NUL ends strtod early; that is trailing text like any other.
    if (consumed != text.size()) return {0, consumed, ParseError::trailingCharacters};
    // Overflow gives HUGE_VAL, underflow a value no larger than the smallest normal double.
    if (error == ERANGE)
        return {0, consumed,
                std::fabs(value) > 1 ? ParseError::outOfRange : ParseError::underflow};
    return {value, consumed, ParseError::none};
}

} // namespace

ParseResult parseDouble(std::string_view text) noexcept {
    if (text.empty()) return {0, 0, ParseError::empty};
    if (isLeadingBlank(text.front())) return {0, 0, ParseError::leadingWhitespace};
    if (const auto exact = exactShortDecimal(text)) return {*exact, text.size(), ParseError::none};
    if (isPlainDecimal(text)) {
        double value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc{} && end == text.data() + text.size())
            return {value, text.size(), ParseError::none};
    }
    return parseWithC(text);
}

void NumberText::append(std::string_view more) {
    const std::size_t n = std::min(more.size(), buffer_.size() - size_);
    more.copy(buffer_.data() + size_, n);
    size_ += n;
}

namespace {

// Below this magnitude the form writes numbers in exponent form, as the platform's own
// number description does.
constexpr double kExponentBelow = 0.0001;
// From here on a double has no fractional digits left to show; exponent form again.
constexpr double kExponentFrom = 1e16;

struct Digits {
    bool negative = false;
    std::array<char, 20> digits{}; // significant digits, no point
    std::size_t count = 0;
    int exponent = 0; // value = 0.d1d2d3... * 10^(exponent + 1), i.e. d1 is at 10^exponent
};

Digits shortestDigits(double value) {
    // Scientific form of the shortest round-trip representation: "-d.ddde+XX".
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));

    Digits d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i)
        if (text[i] != '.' && d.count < d.digits.size()) d.digits[d.count++] = text[i];
    // text[i] == 'e', then sign and digits
    std::from_chars(text.data() + i + (text[i + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    d.exponent);
    return d;
}

void appendExponentForm(NumberText& out, const Digits& d) {
    out.append(std::string_view(d.digits.data(), 1));
    if (d.count > 1) {
        out.append(".");
        out.append(std::string_view(d.digits.data() + 1, d.count - 1));
    }
    out.append(d.exponent < 0 ? "e-" : "e+");
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) out.append("0");
    std::array<char, 8> exp{};
    const auto r = std::to_chars(exp.data(), exp.data() + exp.size(), magnitude);
    out.append(std::string_view(exp.data(), static_cast<std::size_t>(r.ptr - exp.data())));
}

// The form's own values carry at most seven decimals (degrees 7, minutes 5, seconds 3). Below
// 1e8 such a value has at most 15 significant digits, and two different decimals of at most 15
// significant digits never read as the same double: when the double nearest to units / 10^7
// is the value, those units are its shortest round-trip digits, and the fixed text is written
// from them directly instead of by the general shortest-digits search. As std::to_chars does, a
// whole value gets no point. Returns the end of the text, or nullptr for any other value.
constexpr int kShortDecimals = 7;
constexpr double kShortScale = 1e7;
constexpr double kShortBelow = 1e8;

char* shortFixedText(char* first, double value) {
    const double magnitude = std::fabs(value);
    if (magnitude >= kShortBelow) return nullptr;
    const auto units = static_cast<std::uint64_t>(std::round(magnitude * kShortScale));
    if (static_cast<double>(units) / kShortScale != magnitude) return nullptr;
    const auto scale = static_cast<std::uint64_t>(kShortScale);
    char* end = first;
    if (value < 0) *end++ = '-';
    constexpr std::size_t kMaxWholeDigits = 8;
    end = std::to_chars(end, end + kMaxWholeDigits, units / scale).ptr;
    std::uint64_t fraction = units % scale;
    if (fraction == 0) return end;
    *end++ = '.';
    int decimals = kShortDecimals;
    for (; fraction % 10 == 0; fraction /= 10) --decimals;
    for (int k = decimals - 1; k >= 0; --k, fraction /= 10)
        end[k] = static_cast<char>('0' + fraction % 10);
    return end + decimals;
}

} // namespace

NumberText doubleText(double value) {
    NumberText out;
    if (std::isnan(value)) {
        out.append("nan");
        return out;
    }
    if (std::isinf(value)) {
        out.append(value < 0 ? "-inf" : "inf");
        return out;
    }
    if (value == 0) { // also -0.0, which is not negative
        out.append("0.0");
        return out;
    }
    const double magnitude = std::fabs(value);
    if (magnitude >= kExponentBelow && magnitude < kExponentFrom) {
        // In this range the shortest fixed form has the same digits as the shortest scientific
        // form, placed; asking for it directly saves taking the scientific text apart.
        std::array<char, 40> buffer{};
        char* end = shortFixedText(buffer.data(), value);
        if (end == nullptr)
            end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed)
                      .ptr;
        const std::string_view fixed(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        out.append(fixed);
        if (fixed.find('.') == std::string_view::npos) out.append(".0");
        return out;
    }
    const Digits d = shortestDigits(value);
    if (d.negative) out.append("-");
    appendExponentForm(out, d);
    return out;
}

NumberText localDoubleText(double value, DecimalMode mode) {
    NumberText text = doubleText(value);
    if (mode == DecimalMode::point) return text;
    NumberText out;
    for (const char c : text.view())
        out.append(c == '.' ? std::string_view(",") : std::string_view(&c, 1));
    return out;
}

NumberText intText(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    NumberText out;
    out.append(std::string_view(buffer.data(), static_cast<std::size_t>(r.ptr - buffer.data())));
    return out;
}

std::int64_t truncToInteger(double value) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (std::isnan(value)) return 0;
    if (value >= kTwoTo63) return std::numeric_limits<std::int64_t>::max();
    if (value < -kTwoTo63) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double roundHalfAway(double value) {
    return std::round(value);
}

} // namespace quorvane
