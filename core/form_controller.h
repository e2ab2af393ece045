// The converter form's behaviour: editing, conversion, hemisphere toggles and Clear.
//
// FormController owns the form's state (stored values, the active field) and works on the
// screen only through FormView, SettingsStore and NumberFormat. A front end forwards the
// platform's events to it; nothing here knows which toolkit draws the form.
//
// Every change of the form's content (an edit converted, a hemisphere toggled, Clear, a position
// entered, a state restored) is announced to the change observers once it is complete, whatever
// made it: what is shown beside the fields is derived from the form there, never pushed by some
// paths only. Leaving a field whose text the user did not change changes nothing.
#pragma once

#include "core/grid/grid_reference.h"
#include "field_reading.h"
#include "form_model.h"
#include "form_platform.h"
#include "keystroke_filter.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Everything the form holds, to be put back whole (Undo of a paste).
struct FormSnapshot {
    std::array<std::string, kFieldCount> texts;
    std::array<int, kSelectorCount> selectors{};
    std::string accuracy;
    FieldValues values;
    UnreadFields unread;
    std::uint64_t contentId = 0;
    std::optional<grid::GridReading> origin;
};

class FormController : public FieldEditingDelegate {
public:
    FormController(FormView& view, SettingsStore& settings, const NumberFormat& numberFormat);

    // Groups the steps of one operation (an entry, a fill) into one change: the observers run
    // once, when the outermost group ends. Nests.
    class ChangeGroup {
    public:
        explicit ChangeGroup(FormController& form) : form_(form) { ++form_.groupDepth_; }
        ~ChangeGroup() { form_.leaveGroup(); }
        ChangeGroup(const ChangeGroup&) = delete;
        ChangeGroup& operator=(const ChangeGroup&) = delete;

    private:
        FormController& form_;
    };

    // ---- Editing ----
    // Records the field as the active one (the field the keystroke filter judges) and the text it
    // holds, after the begin-editing observers have run.
    void textFieldDidBeginEditing(FieldId field) override;
    // Converts the form from the field whose editing ended, when the user changed its text.
    void textFieldDidEndEditing(FieldId field) override;
    // The keystroke filter for the active field; current is the field's text before the change.
    FilterDecision shouldChangeCharacters(std::u16string_view current, Utf16Range range,
                                          std::u16string_view replacement) const;
    // The field whose edit is in progress, if any.
    std::optional<FieldId> fieldBeingEdited() const;
    // Ends the edit in progress, if any (it converts when the text was changed).
    void endEditing();
    // Puts back the text the field being edited had when its edit began and ends the edit,
    // which then converts nothing.
    void cancelEditing();
    // Runs whenever a field begins editing, before the form records it.
    void addBeginEditingObserver(std::function<void()> observer);

    // ---- Conversion ----
    // One conversion step from the field with this tag, chaining to the next field of a
    // whole-degrees or whole-minutes row when that holds text. A tag outside 0 .. 13 only
    // refreshes the stored values.
    void convertFromField(int tag);
    // Writes the text into the field and converts from it, as the end of its edit would.
    void enterText(FieldId field, std::string_view text);
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
    // The label beside the form that tells the accuracy of the position fix it shows.
    void setAccuracyText(std::string_view text);

    // ---- State ----
    std::optional<FieldId> activeField() const { return activeField_; }
    double storedValue(FieldId field) const { return values_[field]; }
    FormView& view() const { return view_; }
    const std::string& accuracyText() const { return accuracy_; }

    // Runs after every change of the form's content.
    void addChangeObserver(std::function<void()> observer);
    // Names the form's content: it changes with every change and comes back with a restored
    // snapshot, so "the form still shows what it showed then" is one comparison.
    std::uint64_t contentId() const { return contentId_; }
    FormSnapshot snapshot() const;
    // Puts the whole state back; an edit in progress is ended first.
    void restore(const FormSnapshot& snapshot);

    // The grid reference the form's position was entered from, while the form shows that
    // entry unchanged: it names the point finer than the fields show it.
    void setEntryOrigin(const grid::GridReading& reference);
    const grid::GridReading* entryOrigin() const;

private:
    void convertWholeDegrees(FieldId source, FieldId copy, FieldId next);
    std::string finishWholeField(FieldId field);
    void copyWholeDegrees(FieldId source, FieldId target);
    void convertWholeMinutes(const HalfFields& h);
    void convertSeconds(const HalfFields& h);
    void convertDecimalMinutes(const HalfFields& h);
    void convertDecimalDegrees(const HalfFields& h, FieldId source);
    void alignHalf(Half half, int index);
    void storeSelectors(const std::array<SelectorId, 4>& selectors);
    void splitDecimalDegrees(const HalfFields& h, double degrees, DecimalMode mode);
    void chainTo(FieldId next);
    DecimalMode decimalMode() const;
    // A change of the content: a new content id, and the observers once no group is open.
    void changed();
    void leaveGroup();
    void notifyChange();

    FormView& view_;
    SettingsStore& settings_;
    const NumberFormat& numberFormat_;
    FieldValues values_;
    UnreadFields unread_;
    std::optional<FieldId> activeField_;
    std::string textAtBegin_; // of the field being edited
    std::string accuracy_;
    std::vector<std::function<void()>> beginEditingObservers_;
    std::vector<std::function<void()>> changeObservers_;
    std::uint64_t contentId_ = 0;
    std::uint64_t lastContentId_ = 0; // ids are never given twice
    std::optional<grid::GridReading> origin_;
    std::uint64_t originContentId_ = 0;
    int groupDepth_ = 0;
    bool changedInGroup_ = false;
};

} // namespace quorvane
