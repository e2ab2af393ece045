// Number reading under arbitrary text: parseDouble must agree with the C library's strtod in
// the "C" locale (its oracle), and the field reading rules built on it must keep their promises
// whatever a field holds.
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
#include <string_view>

namespace {

using namespace quorvane;

// The value a field held before reading; reading must leave exactly this where it keeps it.
constexpr double kPrevious = 7.25;

void require(bool condition, const char* invariant) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", invariant);
    std::abort();
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

bool sameDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

constexpr bool isLeadingBlank(char c) {
    return c == '\0' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

void checkParseDouble(std::string_view text) {
    const ParseResult r = parseDouble(text);

    const std::string terminated(text);
    char* end = nullptr;
    errno = 0;
    const double expected = strtod_l(terminated.c_str(), &end, cLocale());
    const bool rangeError = errno == ERANGE;
    const auto consumed = static_cast<std::size_t>(end - terminated.c_str());
    const bool accept =
        !text.empty() && !isLeadingBlank(text.front()) && consumed == text.size() && !rangeError;

    require(r.ok() == accept, "parseDouble accepts exactly the texts strtod_l reads whole");
    if (!accept) return;
    require(sameDouble(r.value, expected), "parseDouble gives strtod_l's value");
    require(r.consumed == text.size(), "an accepted text is consumed whole");
}

bool isDecimalKind(FieldId field) {
    return kindInfo(field).normalisesComma;
}

void checkReadField(FieldId field, std::string_view text) {
    const FieldReading r = readField(field, text, kPrevious);
    const bool kept = r.outcome == ReadOutcome::empty || r.outcome == ReadOutcome::noDigit ||
                      r.outcome == ReadOutcome::unreadable;
    require(text.empty() == (r.outcome == ReadOutcome::empty), "only an empty text reads empty");
    if (kept) require(sameDouble(r.value, kPrevious), "a kept value is the previous one");
    if (r.outcome == ReadOutcome::zeroed) {
        require(isDecimalKind(field), "only fields with decimals read an unparsable text as 0");
        require(r.value == 0, "a zeroed field holds 0");
    }
    if (r.outcome == ReadOutcome::stored) {
        require(std::isfinite(r.value), "a stored value is finite");
        if (isDecimalKind(field))
            require(r.value <= info(field).rangeLimit, "a stored value is folded into range");
    }
    // A whole-number text without a unit mark is parsed as it stands.
    if (!isDecimalKind(field) && !text.empty() && !holdsUnitMark(text) &&
        r.outcome == ReadOutcome::stored) {
        const ParseResult p = parseDouble(text);
        require(p.ok() && sameDouble(p.value, r.value), "whole numbers read as parseDouble reads");
    }
}

// The fourteen texts of a form: the input cut at line ends, the rest of the fields empty.
void checkReadFieldValues(std::string_view input) {
    MemoryFormView view;
    std::array<std::string_view, kFieldCount> texts{};
    for (std::size_t i = 0; i < kFieldCount && !input.empty(); ++i) {
        const std::size_t end = input.find('\n');
        texts[i] = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        view.setText(kFields[i].id, texts[i]);
    }
    FieldValues values;
    for (const FieldInfo& f : kFields)
        values[f.id] = kPrevious;
    readFieldValues(view, values);
    for (const FieldInfo& f : kFields) {
        const FieldReading one = readField(f.id, texts[indexOf(f.id)], kPrevious);
        require(sameDouble(values[f.id], one.value), "the pass reads each field by its rule");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkParseDouble(text);
    for (const FieldInfo& f : kFields)
        checkReadField(f.id, text);
    checkReadFieldValues(text);
    // The shortest text of a value reads back as that value (-0.0 is written as 0.0).
    const ParseResult parsed = parseDouble(text);
    if (parsed.ok() && std::isfinite(parsed.value)) {
        const ParseResult again = parseDouble(doubleText(parsed.value).view());
        require(again.ok() && again.value == parsed.value, "doubleText round-trips");
    }
    return 0;
}
