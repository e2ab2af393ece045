// The converter screen's behaviour, without the toolkit: editing events, navigation between
// fields, the output actions, Clear and set-up. A front end wires its controls to these methods
// and implements the platform interfaces they use.
#pragma once

#include "accessible_names.h"
#include "actions/action_platform.h"
#include "actions/maps_choice.h"
#include "core/form_controller.h"
#include "output_outcome.h"

#include <array>
#include <string>
#include <vector>

namespace quorvane {

// What the screen shows beside the fields, derived from the form after every change of it.
struct FormDecorations {
    // Each field's spoken name with the value it shows, in FieldId order.
    std::array<std::string, kFieldCount> fieldNames;
    // Why a field's half is out of range ("" when it is not), in FieldId order; a front end
    // tints those fields and tells assistive technology they are invalid.
    std::array<std::string, kFieldCount> rangeWarnings;
    // Each selector's spoken name with the hemisphere it shows, in SelectorId order.
    std::array<std::string, kSelectorCount> selectorNames;
};

class FormDecorationView {
public:
    virtual ~FormDecorationView() = default;
    virtual void showDecorations(const FormDecorations& decorations) = 0;
};

// The platform services of the main screen, all owned by the front end.
struct MainScreenPlatform {
    FormView& view;
    SettingsStore& settings;
    const NumberFormat& numberFormat;
    const Translator& translator;
    Clipboard& clipboard;
    UrlOpener& urlOpener;
    CopyConfirmation& copyConfirmation;
    ShareSheet& shareSheet;
    FormDecorationView& decorations;
};

class MainViewController : public FieldEditingDelegate {
public:
    MainViewController(const MainScreenPlatform& platform, MapsChoice& mapsChoice);
    MainViewController(const MainViewController&) = delete;
    MainViewController& operator=(const MainViewController&) = delete;

    // Screen set-up: restores the selectors from "c1" .. "c8" and the maps choice.
    void viewDidLoad();

    // ---- Editing (the FormView's delegate) ----
    void textFieldDidBeginEditing(FieldId field) override;
    void textFieldDidEndEditing(FieldId field) override;
    FilterDecision shouldChangeCharacters(std::u16string_view current, Utf16Range range,
                                          std::u16string_view replacement) const;

    // ---- Navigation ----
    void previousButtonAction();
    void nextButtonAction();
    void doneButtonAction(); // also the tap on the background
    // Escape: the field being edited gets back the text it had when the edit began, and the
    // edit ends without converting.
    void cancelButtonAction();

    // ---- Actions ----
    void changeNS(SelectorId sender);
    void changeEW(SelectorId sender);
    void clearButtonAction();
    // The output actions first end the edit in progress, so that they act on the converted form
    // the user sees, and refuse a form without a complete position or with one out of range;
    // they never change what the form shows.
    OutputOutcome copyNotation(Notation notation);
    OutputOutcome openMaps();
    OutputOutcome share();

    // The placeholder of an empty field: its digits ("ddd.ddddddd") with the user's decimal
    // separator, and the unit mark its notation writes.
    std::string placeholderText(FieldId field) const;

    // What the screen shows beside the fields now (the last decorations shown).
    const FormDecorations& decorations() const { return decorations_; }

    FormController& form() { return form_; }
    const FormController& form() const { return form_; }
    const MapsChoice& mapsChoice() const { return mapsChoice_; }
    const Translator& translator() const { return platform_.translator; }
    // The markers the last output action used.
    const HemisphereMarkers& markers() const { return markers_; }

private:
    // Ends the edit in progress; then the refusal when the fields of `fields` hold no complete
    // position or one out of range.
    std::optional<OutputOutcome> refusalAfterEditing(Notation fields);
    std::string mapsUrlOf(const MapsPosition& position);
    void decorate();

    MainScreenPlatform platform_;
    MapsChoice& mapsChoice_;
    FormController form_;
    HemisphereMarkers markers_;
    std::vector<ControlName> plainNames_; // the controls' names without values
    FormDecorations decorations_;
};

} // namespace quorvane
