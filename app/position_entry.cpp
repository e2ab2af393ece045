#include "position_entry.h"

#include "core/number_text.h"
#include "core/utf.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quorvane {

namespace {

void showHemisphere(MainViewController& controller, FormView& view, SelectorId selector,
                    Hemisphere hemisphere) {
    const int index = hemisphere == Hemisphere::northOrEast ? 0 : 1;
    if (hemisphereOf(view.selectedIndex(selector)) == hemisphere) return;
    // The user taps the other segment: the selector changes, then the toggle aligns its half.
    view.setSelectedIndex(selector, index);
    if (info(selector).half == Half::latitude)
        controller.changeNS(selector);
    else
        controller.changeEW(selector);
}

void typeInto(MainViewController& controller, FormView& view, FieldId field, std::string_view text,
              bool first) {
    // The first field is tapped; the others are reached with Next, which ends the previous one.
    if (first) {
        view.beginEditing(field);
    } else {
        controller.nextButtonAction();
        // The numbers of a notation follow its navigation order, so Next lands here; should the
        // tables ever disagree, tap the field instead of typing into the wrong one.
        if (!view.isEditing(field)) view.beginEditing(field);
    }
    view.setText(field, text);
}

// One proposed change of the field's text, applied only if the filter accepts it; the caret
// then stands after the replacement.
void propose(MainViewController& controller, FormView& view, FieldId field, Utf16Range& selection,
             std::u16string_view replacement) {
    std::u16string current = toUtf16(view.text(field));
    if (controller.shouldChangeCharacters(current, selection, replacement) !=
        FilterDecision::accept)
        return;
    current.replace(selection.location, selection.length, replacement);
    view.setText(field, toUtf8(current));
    selection = {selection.location + replacement.size(), 0};
}

} // namespace

void editField(MainViewController& controller, FormView& view, FieldId field,
               std::optional<std::string_view> typed) {
    view.beginEditing(field);
    if (typed) {
        Utf16Range selection{0, utf16Length(view.text(field))};
        if (typed->empty()) propose(controller, view, field, selection, u"");
        for (std::string_view rest = *typed; !rest.empty();) {
            const std::size_t length = firstCharacter(rest).size();
            propose(controller, view, field, selection, toUtf16(rest.substr(0, length)));
            rest.remove_prefix(length);
        }
    }
    controller.doneButtonAction();
}

void enterPosition(MainViewController& controller, FormView& view,
                   const PositionReading& position) {
    if (!position.hasWrittenNumbers()) {
        // A reading without numbers of its own (a grid reference) is typed as signed degrees.
        const NumberText latitude = doubleText(std::fabs(position.point.latitude));
        const NumberText longitude = doubleText(std::fabs(position.point.longitude));
        PositionReading typed = position;
        typed.notation = Notation::dddddddd2;
        typed.latitude = {position.point.latitude < 0 ? Hemisphere::southOrWest
                                                      : Hemisphere::northOrEast,
                          {latitude.view()},
                          1};
        typed.longitude = {position.point.longitude < 0 ? Hemisphere::southOrWest
                                                        : Hemisphere::northOrEast,
                           {longitude.view()},
                           1};
        enterPosition(controller, view, typed);
        return;
    }
    const NotationInfo& n = info(position.notation);
    showHemisphere(controller, view, n.latitudeSelector, position.latitude.hemisphere);
    showHemisphere(controller, view, n.longitudeSelector, position.longitude.hemisphere);

    bool first = true;
    for (std::size_t k = 0; k < position.latitude.count; ++k, first = false)
        typeInto(controller, view, n.latitudeFields[k], position.latitude.numbers[k], first);
    for (std::size_t k = 0; k < position.longitude.count; ++k)
        typeInto(controller, view, n.longitudeFields[k], position.longitude.numbers[k], false);
    controller.doneButtonAction();
}

} // namespace quorvane
