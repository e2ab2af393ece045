// A converter form wired the way a screen wires it: the in-memory view reports its editing events
// to a FormController, and text is typed key by key through the keystroke filter.
#pragma once

#include "core/form_controller.h"
#include "core/memory_platform.h"
#include "core/utf.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace quorvane::test {

struct Form {
    explicit Form(DecimalMode mode = DecimalMode::point) : format(mode) {
        view.setDelegate(&controller);
    }

    MemoryFormView view;
    MemorySettingsStore settings;
    FixedNumberFormat format;
    FormController controller{view, settings, format};

    // One keystroke on the field being edited, applied only if the filter accepts it.
    bool key(FieldId field, Utf16Range range, std::u16string_view replacement) {
        std::u16string current = toUtf16(view.text(field));
        if (controller.shouldChangeCharacters(current, range, replacement) !=
            FilterDecision::accept)
            return false;
        view.setText(field, toUtf8(current.replace(range.location, range.length, replacement)));
        return true;
    }

    // Focuses the field, erases it and types `text` key by key.
    ::testing::AssertionResult type(FieldId field, std::string_view text) {
        view.beginEditing(field);
        if (!key(field, {0, toUtf16(view.text(field)).size()}, u""))
            return ::testing::AssertionFailure() << "cannot erase " << info(field).name;
        for (const char c : text)
            if (!key(field, {toUtf16(view.text(field)).size(), 0}, std::u16string(1, char16_t(c))))
                return ::testing::AssertionFailure()
                       << "refused '" << c << "' in " << info(field).name;
        return ::testing::AssertionSuccess();
    }

    // Types the text and ends editing, which converts from the field.
    ::testing::AssertionResult enter(FieldId field, std::string_view text) {
        auto typed = type(field, text);
        view.endEditing(field);
        return typed;
    }

    std::string operator[](FieldId field) const { return view.text(field); }
};

} // namespace quorvane::test
