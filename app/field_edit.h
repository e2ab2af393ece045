// One edit of a field as the user makes it, on any FormView: `quorvane convert --edit` replays
// edits this way, so a sequence of edits made on the screen can be checked in a terminal.
#pragma once

#include "core/form_controller.h"

#include <optional>
#include <string_view>

namespace quorvane {

// The field is tapped, its whole text selected, `typed` typed character by character through the
// keystroke filter (refused characters are left out, as on the screen), and Done ends the edit,
// which converts from the field when its text changed. An empty `typed` deletes the selected
// text (Backspace); without `typed` the field is only entered and left.
void editField(FormController& form, FieldId field, std::optional<std::string_view> typed);

} // namespace quorvane
