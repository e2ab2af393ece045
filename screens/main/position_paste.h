// Pasting or dropping a whole position on the converter screen.
//
// The text is read by the position reader and entered as every position is (core/
// position_entry.h): its numbers go into the fields of the notation they were written in. What
// the form held before is kept, so the notice that confirms the paste can offer Undo, but only
// while the form still shows the paste: once anything changes it (a key typed and the field
// left, a selector, a fill, Clear), Undo would throw that newer work away, so it is no longer
// offered. A text that is no position changes nothing; the outcome carries the reader's message.
#pragma once

#include "core/form_controller.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

enum class PasteResult : unsigned char { filled, refused };

struct PasteOutcome {
    PasteResult result = PasteResult::refused;
    std::string message; // for a refusal: what the reader could not read, and why
};

class PositionPaste {
public:
    explicit PositionPaste(FormController& form) : form_(form) {}

    // Reads the text as one whole position and fills the form with it.
    PasteOutcome paste(std::string_view text);

    // Whether the last paste can still be undone: the form shows it unchanged.
    bool canUndo() const;
    // Puts back the whole form as it was before the last paste, if it still can be undone once
    // the edit in progress has ended.
    void undo();
    // Forgets the form before the paste (the user moved on: the notice is gone).
    void forgetUndo() { before_.reset(); }

private:
    FormController& form_;
    std::optional<FormSnapshot> before_;
    std::uint64_t pasted_ = 0; // the form's content id right after the paste
};

} // namespace quorvane
