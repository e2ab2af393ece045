// The converter screen's behaviour, without the toolkit: editing events, navigation between
// fields, the output actions, Clear and set-up. A front end wires its controls to these methods
// and implements the platform interfaces they use.
#pragma once

#include "actions/action_platform.h"
#include "actions/maps_choice.h"
#include "core/form_controller.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace quorvane {

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
};

// What an output action (Copy, Share, Open in Maps) did with the position.
enum class OutputResult : unsigned char {
    handedOut, // or, with a text no URL parser takes, ended silently
    refused,   // the position lies out of range: nothing was handed out
};

struct OutputOutcome {
    OutputResult result = OutputResult::handedOut;
    std::string message; // why it was refused, for the user
};

class MainViewController : public FieldEditingDelegate {
public:
    MainViewController(const MainScreenPlatform& platform, MapsChoice& mapsChoice);

    // Screen set-up: restores the selectors from "c1" .. "c8" and the maps choice.
    void viewDidLoad();

    // ---- Editing (the FormView's delegate) ----
    void textFieldDidBeginEditing(FieldId field) override;
    void textFieldDidEndEditing(FieldId field) override;
    FilterDecision shouldChangeCharacters(std::u16string_view current, Utf16Range range,
                                          std::u16string_view replacement) const;
    // Runs before the form records the field being edited (the location flow stops there).
    void addBeginEditingObserver(std::function<void()> observer);
    // Runs after each change of the form's position: an edit's conversion, a hemisphere toggle,
    // Clear (the grid references follow there).
    void addConversionObserver(std::function<void()> observer);

    // ---- Navigation ----
    void previousButtonAction();
    void nextButtonAction();
    void doneButtonAction(); // also the tap on the background

    // ---- Actions ----
    void changeNS(SelectorId sender);
    void changeEW(SelectorId sender);
    void clearButtonAction();
    // The output actions first end the edit in progress, so that they act on the converted form
    // the user sees, and refuse a position out of range.
    OutputOutcome copyNotation(Notation notation);
    OutputOutcome openMaps();
    OutputOutcome share();

    // The placeholder of an empty field: its digits ("ddd.ddddddd") with the user's decimal
    // separator, and the unit mark its notation writes.
    std::string placeholderText(FieldId field) const;

    // What a screen reader says of each field's range, in FieldId order ("" for a field in
    // range); a front end marks the fields that have one.
    std::array<std::string, kFieldCount> rangeDescriptions() const;

    FormController& form() { return form_; }
    const FormController& form() const { return form_; }
    const MapsChoice& mapsChoice() const { return mapsChoice_; }
    const Translator& translator() const { return platform_.translator; }
    // The markers the last output action used.
    const HemisphereMarkers& markers() const { return markers_; }
    // The maps URL of the form's position in the chosen application (what Open in Maps opens).
    std::string currentMapsURL();

private:
    std::optional<FieldId> fieldBeingEdited() const;
    void notifyConversion() const;
    // Ends the edit in progress; then the refusal when the form's position is out of range.
    std::optional<OutputOutcome> refusalAfterEditing();

    MainScreenPlatform platform_;
    MapsChoice& mapsChoice_;
    FormController form_;
    std::vector<std::function<void()>> beginEditingObservers_;
    std::vector<std::function<void()>> conversionObservers_;
    HemisphereMarkers markers_;
};

} // namespace quorvane
