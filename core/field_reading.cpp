#include "field_reading.h"

#include "form_platform.h"
#include "number_text.h"
#include "utf.h"

#include <cmath>
#include <string>

namespace quorvane {

namespace {

constexpr double kFoldStep = 10;

// A finite number, or nothing.
std::optional<double> parseFinite(std::string_view text) {
    const ParseResult r = parseDouble(text);
    if (!r.ok() || !std::isfinite(r.value)) return std::nullopt;
    return r.value;
}

FieldReading readWholeField(std::string_view text, double previous) {
    const bool mark = holdsUnitMark(text);
    if (!mark && !holdsDecimalDigit(text)) return {ReadOutcome::noDigit, previous};
    const auto value = parseFinite(mark ? withoutLastCharacter(text) : text);
    if (!value) return {ReadOutcome::unreadable, previous};
    return {ReadOutcome::stored, *value};
}

FieldReading readDecimalField(std::string_view rawText, double previous, double limit) {
    // Normalise "," to "." in a stack copy; field texts are short, and most hold no comma.
    std::string_view text = rawText;
    std::array<char, 64> buffer;
    std::string heap;
    const bool comma = rawText.find(',') != std::string_view::npos;
    if (comma && rawText.size() <= buffer.size()) {
        for (std::size_t i = 0; i < rawText.size(); ++i)
            buffer[i] = rawText[i] == ',' ? '.' : rawText[i];
        text = std::string_view(buffer.data(), rawText.size());
    } else if (comma) {
        heap.assign(rawText);
        for (char& c : heap)
            if (c == ',') c = '.';
        text = heap;
    }

    if (holdsUnitMark(text)) {
        const auto value = parseFinite(withoutLastCharacter(text));
        if (!value) return {ReadOutcome::unreadable, previous};
        return {ReadOutcome::stored, foldIntoRange(*value, limit)};
    }
    if (!holdsDecimalDigit(text)) return {ReadOutcome::noDigit, previous};
    const auto value = parseFinite(text);
    if (!value) return {ReadOutcome::zeroed, 0.0};
    return {ReadOutcome::stored, foldIntoRange(*value, limit)};
}

} // namespace

// One pass over the text for all three marks (every field is read several times per entry).
static_assert(kMinutesMark.size() == 1 && kSecondsMark.size() == 1 && kDegreeMark.size() == 2);
bool holdsUnitMark(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kMinutesMark[0] || c == kSecondsMark[0]) return true;
        if (c == kDegreeMark[0] && i + 1 < text.size() && text[i + 1] == kDegreeMark[1])
            return true;
    }
    return false;
}

double foldIntoRange(double value, double limit) {
    // Each step divides the current value, so the result carries the rounding of every step
    // (1234567890 as a latitude becomes 12.345678900000003). Only finite values arrive here.
    while (value > limit) value /= kFoldStep;
    return value;
}

FieldReading readField(FieldId field, std::string_view text, double previous) {
    if (text.empty()) return {ReadOutcome::empty, previous};
    if (!kindInfo(field).normalisesComma) return readWholeField(text, previous);
    return readDecimalField(text, previous, info(field).rangeLimit);
}

bool FieldValues::read(FieldId field, const std::string& text) {
    LastReading& last = last_[indexOf(field)];
    FieldReading r{ReadOutcome::empty, values_[indexOf(field)]};
    if (!text.empty() && text == last.text) {
        const bool keepsValue =
            last.outcome != ReadOutcome::stored && last.outcome != ReadOutcome::zeroed;
        r = {last.outcome, keepsValue ? r.value : last.value};
    } else if (!text.empty()) {
        r = readField(field, text, r.value);
        last.text = text;
        last.outcome = r.outcome;
        last.value = r.value;
    }
    values_[indexOf(field)] = r.value;
    return r.outcome == ReadOutcome::noDigit || r.outcome == ReadOutcome::unreadable ||
           r.outcome == ReadOutcome::zeroed;
}

UnreadFields readFieldValues(const FormView& view, FieldValues& values) {
    UnreadFields unread;
    for (const FieldInfo& f : kFields)
        unread[indexOf(f.id)] = values.read(f.id, view.text(f.id));
    return unread;
}

void readHalfValues(const FormView& view, FieldValues& values, Half half, UnreadFields& unread) {
    for (const FieldInfo& f : kFields)
        if (f.half == half) unread[indexOf(f.id)] = values.read(f.id, view.text(f.id));
}

} // namespace quorvane
