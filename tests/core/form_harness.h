// A converter form wired the way a screen wires it, for tests: the in-memory view reports its
// editing events to a FormController, and text is typed one keystroke at a time through the
// keystroke filter, as the user's keyboard would.
#pragma once

#include "core/form_controller.h"
#include "core/memory_platform.h"
#include "core/utf.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace quorvane::test {

inline const std::string kSec = "\""; // the seconds mark
inline const std::string kDeg = "\u00B0";

struct Form {
    explicit Form(DecimalMode mode = DecimalMode::point) : format(mode) {
        view.setDelegate(&controller);
    }

    MemoryFormView view;
    MemorySettingsStore settings;
    FixedNumberFormat format;
    FormController controller{view, settings, format};

    // One keystroke on the field being edited: applied only if the filter accepts it.
    bool key(FieldId field, Utf16Range range, std::u16string_view replacement) {
        std::u16string current = toUtf16(view.text(field));
        if (controller.shouldChangeCharacters(current, range, replacement) !=
            FilterDecision::accept)
            return false;
        current.replace(range.location, range.length, replacement);
        view.setText(field, toUtf8(current));
        return true;
    }

    // Focuses the field (ending the one being edited), erases what it shows and types `text`
    // key by key. Fails on the first key the filter refuses.
    ::testing::AssertionResult type(FieldId field, std::string_view text) {
        view.beginEditing(field);
        const std::size_t shown = toUtf16(view.text(field)).size();
        if (shown > 0 && !key(field, {0, shown}, u""))
            return ::testing::AssertionFailure() << "cannot erase " << info(field).name;
        for (const char c : text) {
            const std::u16string one(1, static_cast<char16_t>(static_cast<unsigned char>(c)));
            if (!key(field, {toUtf16(view.text(field)).size(), 0}, one))
                return ::testing::AssertionFailure()
                       << "filter refused '" << c << "' in " << info(field).name;
        }
        return ::testing::AssertionSuccess();
    }

    // Types the text and ends editing, which runs the conversion from the field.
    ::testing::AssertionResult enter(FieldId field, std::string_view text) {
        auto typed = type(field, text);
        view.endEditing(field);
        return typed;
    }

    std::string operator[](FieldId field) const { return view.text(field); }
};

} // namespace quorvane::test
