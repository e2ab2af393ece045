#include "position_paste.h"

#include "core/position_entry.h"
#include "core/position_reader.h"

namespace quorvane {

PasteOutcome PositionPaste::paste(std::string_view text) {
    const PositionReading reading = readPosition(text);
    if (!reading.ok()) return {PasteResult::refused, describeError(reading)};
    // The edit in progress belongs to the form before the paste: Undo brings it back converted.
    form_.endEditing();
    FormSnapshot before = form_.snapshot();
    enterPosition(form_, reading);
    before_ = std::move(before);
    pasted_ = form_.contentId();
    return {PasteResult::filled, {}};
}

bool PositionPaste::canUndo() const {
    return before_ && form_.contentId() == pasted_;
}

void PositionPaste::undo() {
    // Typing since the paste is newer work: ending its edit converts it, and Undo then no
    // longer applies.
    form_.endEditing();
    if (!canUndo()) return;
    const FormSnapshot before = std::move(*before_);
    before_.reset();
    form_.restore(before);
}

} // namespace quorvane
