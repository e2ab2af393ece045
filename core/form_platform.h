// What the form logic needs of the platform, as small interfaces.
//
// A front end implements these with its real controls (the Qt one with QML items and QSettings);
// memory_platform.h has plain in-memory implementations that behave the same way, for the
// command line and for tests.
#pragma once

#include "form_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The fourteen text fields and eight selectors of the screen.
//
// Contract, as on the phone:
// - text() is never absent: an empty field gives "".
// - setText() from code runs no editing handler.
// - beginEditing(f) while another field g is being edited first ends g (its end-of-editing handler
//   runs to completion), then f begins editing and its begin-editing handler runs. Both happen
//   synchronously, inside the call. Beginning a field that is already being edited does nothing.
// - endEditing(f) on the field being edited runs its end-of-editing handler synchronously; on any
//   other field it does nothing.
class FormView {
public:
    virtual ~FormView() = default;

    virtual std::string text(FieldId field) const = 0;
    virtual void setText(FieldId field, std::string_view text) = 0;
    virtual bool isEditing(FieldId field) const = 0;
    virtual void beginEditing(FieldId field) = 0;
    virtual void endEditing(FieldId field) = 0;

    virtual int selectedIndex(SelectorId selector) const = 0;
    virtual void setSelectedIndex(SelectorId selector, int index) = 0;

    // The label beside the form that shows the accuracy of the last position fix.
    virtual void setAccuracyText(std::string_view text) = 0;
};

// The receiver of the fields' editing events; a FormView calls it as described above.
class FieldEditingDelegate {
public:
    virtual ~FieldEditingDelegate() = default;
    virtual void textFieldDidBeginEditing(FieldId field) = 0;
    virtual void textFieldDidEndEditing(FieldId field) = 0;
};

// The persistent key-value store of the user's choices.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // 0 for a missing key, and for a stored value that is not a whole number.
    virtual int integerForKey(std::string_view key) const = 0;
    virtual void setInteger(std::string_view key, int value) = 0;
    virtual std::optional<std::string> stringForKey(std::string_view key) const = 0;
    virtual void setString(std::string_view key, std::string_view value) = 0;
};

// Which decimal separator the conversion writes: the user's locale decides.
enum class DecimalMode : unsigned char { point, comma };

// The number formatter of the screen: the conversion asks it for the separator at the start of
// every step that writes decimals, so a change of locale takes effect at the next step.
class NumberFormat {
public:
    virtual ~NumberFormat() = default;
    virtual std::string decimalSeparator() const = 0;
};

// Comma mode exactly when the separator is the one-character string ",".
inline DecimalMode decimalModeOf(std::string_view separator) {
    return separator == "," ? DecimalMode::comma : DecimalMode::point;
}

} // namespace quorvane
