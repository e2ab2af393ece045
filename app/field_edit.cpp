#include "field_edit.h"

#include "core/utf.h"

#include <string>

namespace quorvane {

namespace {

// One proposed change of the field's text, applied only if the filter accepts it; the caret
// then stands after the replacement.
void propose(FormController& form, FieldId field, Utf16Range& selection,
             std::u16string_view replacement) {
    FormView& view = form.view();
    std::u16string current = toUtf16(view.text(field));
    if (form.shouldChangeCharacters(current, selection, replacement) != FilterDecision::accept)
        return;
    current.replace(selection.location, selection.length, replacement);
    view.setText(field, toUtf8(current));
    selection = {selection.location + replacement.size(), 0};
}

} // namespace

void editField(FormController& form, FieldId field, std::optional<std::string_view> typed) {
    form.view().beginEditing(field);
    if (typed) {
        Utf16Range selection{0, utf16Length(form.view().text(field))};
        if (typed->empty()) propose(form, field, selection, u"");
        for (std::string_view rest = *typed; !rest.empty();) {
            const std::size_t length = firstCharacter(rest).size();
            propose(form, field, selection, toUtf16(rest.substr(0, length)));
            rest.remove_prefix(length);
        }
    }
    form.endEditing();
}

} // namespace quorvane
