// Pasting or dropping a whole position on the converter screen.
//
// The text is read by the position reader. A position fills the form as the current-location
// fill does: the eight selectors from its hemispheres, then the magnitudes typed into d7 and d8
// through the form's own editing road, so every notation comes out of the ordinary conversion.
// What the form showed before is kept, so the notice that confirms the paste can offer Undo. A
// text that is no position changes nothing; the outcome carries the reader's message.
#pragma once

#include "core/form_controller.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

enum class PasteResult : unsigned char { filled, refused };

struct PasteOutcome {
    PasteResult result = PasteResult::refused;
    std::string message; // for a refusal: what the reader could not read, and why
};

// Whether the text reads as one whole position.
bool readsAsPosition(std::string_view text);

class PositionPaste {
public:
    explicit PositionPaste(FormController& form) : form_(form) {}

    // Reads the text as one whole position and fills the form with it.
    PasteOutcome paste(std::string_view text);

    // Whether the last paste can still be undone.
    bool canUndo() const { return before_.has_value(); }
    // Puts back the texts and selectors the form had before the last paste.
    void undo();
    // Forgets the form before the paste (the user moved on: the notice is gone).
    void forgetUndo() { before_.reset(); }

private:
    struct FormState {
        std::array<std::string, kFieldCount> texts;
        int latitudeSelector = 0;
        int longitudeSelector = 0;
    };

    FormState currentState() const;
    void typeMagnitude(FieldId field, double degrees);

    FormController& form_;
    std::optional<FormState> before_;
};

} // namespace quorvane
