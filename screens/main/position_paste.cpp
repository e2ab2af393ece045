#include "position_paste.h"

#include "core/number_text.h"
#include "core/position_reader.h"
#include "location/location_flow.h"

#include <cmath>

namespace quorvane {

namespace {

int selectorIndex(Hemisphere hemisphere) {
    return hemisphere == Hemisphere::northOrEast ? 0 : 1;
}

} // namespace

bool readsAsPosition(std::string_view text) {
    return readPosition(text).ok();
}

PositionPaste::FormState PositionPaste::currentState() const {
    const FormView& view = form_.view();
    FormState state;
    for (const FieldInfo& f : kFields)
        state.texts[indexOf(f.id)] = view.text(f.id);
    state.latitudeSelector = view.selectedIndex(SelectorId::c1);
    state.longitudeSelector = view.selectedIndex(SelectorId::c2);
    return state;
}

void PositionPaste::typeMagnitude(FieldId field, double degrees) {
    FormView& view = form_.view();
    view.beginEditing(field);
    view.setText(field, doubleText(fillMagnitude(std::fabs(degrees))));
}

PasteOutcome PositionPaste::paste(std::string_view text) {
    const PositionReading reading = readPosition(text);
    if (!reading.ok()) return {PasteResult::refused, describeError(reading)};

    FormState before = currentState();
    // The hemispheres come from the reading itself, so -0° 32.77' stays South.
    form_.setAllSelectors(selectorIndex(reading.latitude.hemisphere),
                          selectorIndex(reading.longitude.hemisphere));
    // Beginning d7 ends any edit in progress; beginning d8 converts from the new latitude;
    // ending d8 converts from the new longitude.
    typeMagnitude(FieldId::d7, reading.point.latitude);
    typeMagnitude(FieldId::d8, reading.point.longitude);
    form_.view().endEditing(FieldId::d8);
    form_.readFieldValues();
    before_ = std::move(before);
    return {PasteResult::filled, {}};
}

void PositionPaste::undo() {
    if (!before_) return;
    FormView& view = form_.view();
    if (const auto editing = form_.activeField(); editing && view.isEditing(*editing))
        view.endEditing(*editing);
    form_.setAllSelectors(before_->latitudeSelector, before_->longitudeSelector);
    for (const FieldInfo& f : kFields)
        view.setText(f.id, before_->texts[indexOf(f.id)]);
    form_.readFieldValues();
    before_.reset();
}

} // namespace quorvane
