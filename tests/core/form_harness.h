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

    // Focuses the field, erases it and types `text` key by key, each key applied only if the
    // keystroke filter accepts it.
    ::testing::AssertionResult type(FieldId field, std::string_view text) {
        view.beginEditing(field);
        std::u16string current = toUtf16(view.text(field));
        for (std::size_t i = 0; i <= text.size(); ++i) {
            const Utf16Range range =
                i == 0 ? Utf16Range{0, current.size()} : Utf16Range{current.size(), 0};
            const std::u16string key = i == 0 ? u"" : std::u16string(1, char16_t(text[i - 1]));
            if (controller.shouldChangeCharacters(current, range, key) != FilterDecision::accept)
                return ::testing::AssertionFailure()
                       << "refused key " << i << " in " << info(field).name;
            view.setText(field, toUtf8(current.replace(range.location, range.length, key)));
        }
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
