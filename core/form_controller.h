// The converter form's behaviour: editing, conversion, hemisphere toggles and Clear.
//
// FormController owns the form's state (stored values, the active field) and works on the
// screen only through FormView, SettingsStore and NumberFormat. A front end forwards the
// platform's events to it; nothing here knows which toolkit draws the form.
#pragma once

#include "field_reading.h"
#include "form_model.h"
#include "form_platform.h"
#include "keystroke_filter.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

class FormController : public FieldEditingDelegate {
public:
    FormController(FormView& view, SettingsStore& settings, const NumberFormat& numberFormat);

    // ---- Editing ----
    // Records the field as the active one (the field the keystroke filter judges).
    void textFieldDidBeginEditing(FieldId field) override;
    // Converts the form from the field whose editing ended.
    void textFieldDidEndEditing(FieldId field) override;
    // The keystroke filter for the active field; current is the field's text before the change.
    FilterDecision shouldChangeCharacters(std::u16string_view current, Utf16Range range,
                                          std::u16string_view replacement) const;

    // ---- Conversion ----
    // One conversion step from the field with this tag, chaining to the next field of a
    // whole-degrees or whole-minutes row when that holds text. A tag outside 0 .. 13 only
    // refreshes the stored values.
    void convertFromField(int tag);
    // Refreshes the fourteen stored values from the field texts.
    void readFieldValues();

    // ---- Hemispheres and Clear ----
    // The sender's index, given to all four selectors of its half and stored under their keys.
    void changeNS(SelectorId sender);
    void changeEW(SelectorId sender);
    // Empties every field and the accuracy label, and forgets the stored values.
    void clearButtonAction();
    // Sets every selector from its stored key (a missing key gives 0).
    void restoreSelectors();
    // Sets the four latitude and the four longitude selectors, then stores all eight keys in
    // c1 .. c8 order.
    void setAllSelectors(int latitudeIndex, int longitudeIndex);

    // ---- State ----
    std::optional<FieldId> activeField() const { return activeField_; }
    double storedValue(FieldId field) const { return values_[field]; }
    FormView& view() const { return view_; }

private:
    std::string finishWholeField(FieldId field);
    void copyWholeDegrees(FieldId source, FieldId target);
    void convertWholeDegrees(FieldId source, FieldId copy, FieldId next);
    void convertWholeMinutes(const HalfFields& h);
    void convertSeconds(const HalfFields& h);
    void convertDecimalMinutes(const HalfFields& h);
    void convertDecimalDegrees(const HalfFields& h, FieldId source);
    void alignHalf(Half half, int index);
    void storeSelectors(const std::array<SelectorId, 4>& selectors);
    void splitDecimalDegrees(const HalfFields& h, double degrees, DecimalMode mode);
    void chainTo(FieldId next);
    DecimalMode decimalMode() const;

    FormView& view_;
    SettingsStore& settings_;
    const NumberFormat& numberFormat_;
    FieldValues values_;
    UnreadFields unread_;
    std::optional<FieldId> activeField_;
};

} // namespace quorvane
