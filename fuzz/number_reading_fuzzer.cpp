// Number reading under arbitrary text: parseDouble must agree with the C library's strtod_l in
// the "C" locale (its oracle), the field reading rules built on it must keep their promises
// whatever a field holds, and the shortest text of a value reads back as that value.
#include "core/field_reading.h"
#include "core/memory_platform.h"
#include "core/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace {

using namespace quorvane;

constexpr double kPrevious = 7.25; // the value a field held before reading

void require(bool condition, const char* invariant) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", invariant);
    std::abort();
}

bool sameDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

void checkParseDouble(std::string_view text) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string terminated(text);
    char* end = nullptr;
    errno = 0;
    const double expected = strtod_l(terminated.c_str(), &end, c);
    // strtod skips leading blanks (and stops at an embedded NUL); parseDouble refuses both.
    const bool accept = !text.empty() && std::strchr(" \t\n\v\f\r", text.front()) == nullptr &&
                        text.front() != '\0' && end == terminated.c_str() + text.size() &&
                        errno != ERANGE;
    const ParseResult r = parseDouble(text);
    require(r.ok() == accept, "parseDouble accepts exactly the texts strtod_l reads whole");
    if (accept) require(sameDouble(r.value, expected), "parseDouble gives strtod_l's value");
    if (accept && std::isfinite(r.value))
        require(parseDouble(doubleText(r.value).view()).value == r.value, "doubleText round-trips");
}

void checkReadField(FieldId field, std::string_view text) {
    const FieldReading r = readField(field, text, kPrevious);
    const bool decimals = kindInfo(field).normalisesComma;
    require(text.empty() == (r.outcome == ReadOutcome::empty), "only an empty text reads empty");
    switch (r.outcome) {
    case ReadOutcome::empty:
    case ReadOutcome::noDigit:
    case ReadOutcome::unreadable:
        require(sameDouble(r.value, kPrevious), "a kept value is the previous one");
        break;
    case ReadOutcome::zeroed:
        require(decimals && r.value == 0, "only fields with decimals read an unparsable text as 0");
        break;
    case ReadOutcome::stored:
        require(std::isfinite(r.value), "a stored value is finite");
        require(!decimals || r.value <= info(field).rangeLimit, "a stored value is within range");
        if (!decimals && !holdsUnitMark(text))
            require(sameDouble(parseDouble(text).value, r.value), "whole numbers read as parsed");
        break;
    }
}

// The fourteen texts of a form: the input cut at line ends, the rest of the fields empty. One
// pass reads each field by its own rule.
void checkReadFieldValues(std::string_view input) {
    MemoryFormView view;
    FieldValues values;
    for (const FieldInfo& f : kFields) {
        const std::string_view line = input.substr(0, input.find('\n'));
        input.remove_prefix(std::min(input.size(), line.size() + 1));
        view.setText(f.id, line);
        values[f.id] = kPrevious;
    }
    FieldValues expected = values;
    for (const FieldInfo& f : kFields)
        expected[f.id] = readField(f.id, view.textRef(f.id), kPrevious).value;
    readFieldValues(view, values);
    for (const FieldInfo& f : kFields)
        require(sameDouble(values[f.id], expected[f.id]), "the pass reads each field by its rule");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkParseDouble(text);
    for (const FieldInfo& f : kFields)
        checkReadField(f.id, text);
    checkReadFieldValues(text);
    return 0;
}
