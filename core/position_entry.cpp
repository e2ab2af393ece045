#include "position_entry.h"

#include "number_text.h"

#include <cmath>

namespace quorvane {

namespace {

// The finest a decimal-degrees field shows: seven decimals, about 1 cm.
constexpr double kSevenDecimals = 10000000;

int selectorIndex(Hemisphere hemisphere) {
    return hemisphere == Hemisphere::northOrEast ? 0 : 1;
}

Hemisphere hemisphereOfSign(double degrees) {
    return std::signbit(degrees) && degrees != 0 ? Hemisphere::southOrWest
                                                 : Hemisphere::northOrEast;
}

// Each number into its field, in the order a user types them (Next leads along the row), each
// converted as leaving the field converts it.
void typeNumbers(FormController& form, const PositionReading& reading) {
    const NotationInfo& n = info(reading.notation);
    for (const Half half : {Half::latitude, Half::longitude}) {
        const HalfReading& written = reading.half(half);
        const auto& fields = half == Half::latitude ? n.latitudeFields : n.longitudeFields;
        for (std::size_t k = 0; k < written.count; ++k)
            form.enterText(fields[k], written.numbers[k]);
    }
}

void enterPoint(FormController& form, GeoPoint point) {
    form.enterText(FieldId::d7, doubleText(fieldMagnitude(point.latitude)).view());
    form.enterText(FieldId::d8, doubleText(fieldMagnitude(point.longitude)).view());
}

} // namespace

double fieldMagnitude(double degrees) {
    return roundHalfAway(std::fabs(degrees) * kSevenDecimals) / kSevenDecimals;
}

PositionReading pointReading(GeoPoint point) {
    PositionReading r;
    r.error = PositionError::none;
    r.point = point;
    return r;
}

void enterPosition(FormController& form, const PositionReading& reading,
                   std::string_view accuracy) {
    if (!reading.ok()) return;
    const FormController::ChangeGroup change(form);
    form.endEditing();
    // The hemispheres first, so that the conversions show them with the new magnitudes.
    const bool written = reading.hasWrittenNumbers();
    form.setAllSelectors(selectorIndex(written ? reading.latitude.hemisphere
                                               : hemisphereOfSign(reading.point.latitude)),
                         selectorIndex(written ? reading.longitude.hemisphere
                                               : hemisphereOfSign(reading.point.longitude)));
    if (written)
        typeNumbers(form, reading);
    else
        enterPoint(form, reading.point);
    form.setAccuracyText(accuracy);
    // The stored values follow what the entry wrote, as after a fill.
    form.readFieldValues();
    // Last, so that it names the content the entry leaves.
    if (reading.reference.ok()) form.setEntryOrigin(reading.reference);
}

} // namespace quorvane
