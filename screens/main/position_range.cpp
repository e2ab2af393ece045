#include "position_range.h"

#include "accessible_names.h"
#include "actions/output_texts.h"
#include "core/field_reading.h"
#include "core/form_platform.h"
#include "core/number_text.h"

#include <cmath>

namespace quorvane {

namespace {

// %1 the decimal degrees as shown, %2 the half's limit in whole degrees.
constexpr std::array<std::string_view, 2> kOutOfRangeKeys{
    "Latitude %1\u00B0 is out of range (0\u00B0 to %2\u00B0).",
    "Longitude %1\u00B0 is out of range (0\u00B0 to %2\u00B0)."};

// The decimal degrees of the half and their limit: the dddddddd2 row's field.
FieldId decimalDegreesField(Half half) {
    return halfFields(half).G;
}

bool beyondLimit(std::string_view shown, double limit) {
    const ParseResult read = parseDouble(normalisedText(shown));
    return read.error == ParseError::none && std::isfinite(read.value) &&
           std::fabs(read.value) > limit;
}

// A half missing, or both.
constexpr std::string_view kLatitudeMissingKey = "Fill in the latitude first.";
constexpr std::string_view kLongitudeMissingKey = "Fill in the longitude first.";
constexpr std::string_view kBothMissingKey = "Fill in latitude and longitude first.";

bool holdsNumber(FieldId field, std::string_view shown) {
    return readField(field, shown, 0).outcome == ReadOutcome::stored;
}

} // namespace

std::vector<Half> incompleteHalves(const FormView& view, Notation notation) {
    const NotationInfo& n = info(notation);
    std::vector<Half> found;
    for (const Half half : {Half::latitude, Half::longitude}) {
        const auto& fields = half == Half::latitude ? n.latitudeFields : n.longitudeFields;
        for (std::size_t k = 0; k < n.fieldsPerHalf; ++k)
            if (!holdsNumber(fields[k], view.text(fields[k]))) {
                found.push_back(half);
                break;
            }
    }
    return found;
}

std::string incompleteMessage(const std::vector<Half>& halves, const Translator& translator) {
    if (halves.size() > 1) return translator.translate(kBothMissingKey);
    return translator.translate(halves.front() == Half::latitude ? kLatitudeMissingKey
                                                                 : kLongitudeMissingKey);
}

std::vector<OutOfRange> outOfRangeHalves(const FormView& view) {
    std::vector<OutOfRange> found;
    for (const Half half : {Half::latitude, Half::longitude}) {
        const FieldId field = decimalDegreesField(half);
        std::string shown = view.text(field);
        if (beyondLimit(shown, info(field).rangeLimit)) found.push_back({half, std::move(shown)});
    }
    return found;
}

std::string outOfRangeMessage(const OutOfRange& outOfRange, const Translator& translator) {
    const double limit = info(decimalDegreesField(outOfRange.half)).rangeLimit;
    const std::array<std::string, 2> arguments{outOfRange.shown,
                                               intText(truncToInteger(limit)).str()};
    return fillPlaceholders(translator.translate(kOutOfRangeKeys[indexOf(outOfRange.half)]),
                            arguments);
}

std::array<std::string, kFieldCount> rangeDescriptions(const FormView& view,
                                                       const Translator& translator) {
    std::array<std::string, kFieldCount> descriptions;
    for (const OutOfRange& o : outOfRangeHalves(view)) {
        const std::string message = outOfRangeMessage(o, translator);
        for (const FieldInfo& f : kFields)
            if (f.half == o.half) descriptions[indexOf(f.id)] = message;
    }
    return descriptions;
}

} // namespace quorvane
