// Entering a position into the converter's form the way a user would, on any FormView: the
// terminal converter does it on an in-memory form, the application on its screen when it is
// started with a position, so both show exactly the same texts.
#pragma once

#include "core/position_reader.h"
#include "core/form_platform.h"
#include "screens/main/main_view_controller.h"

#include <optional>
#include <string_view>

namespace quorvane {

// The hemisphere selectors of the position's notation are tapped where they show the other
// hemisphere (the toggle then aligns their half); the first number is typed into the first
// field of the notation, Next leads to each further field, and Done ends the last edit, so the
// ordinary end-of-editing conversions fill the other notations. The form is not emptied first.
// A reading without written numbers is typed as signed decimal degrees.
void enterPosition(MainViewController& controller, FormView& view, const PositionReading& position);

// One edit as the user makes it: the field is tapped, its whole text selected, `typed` typed
// character by character through the keystroke filter (refused characters are left out, as on
// the screen), and Done ends the edit, which converts from the field. An empty `typed` deletes
// the selected text (Backspace); without `typed` the field is only entered and left.
void editField(MainViewController& controller, FormView& view, FieldId field,
               std::optional<std::string_view> typed);

} // namespace quorvane
