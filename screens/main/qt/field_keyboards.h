// What the on-screen keyboard offers in each kind of field, and the name of its Enter key.
// MainScreen and GridCardScreen ask for them when they wire the fields; the fields' QML passes
// the Enter key's name on to the input method (EnterKey.type).
#pragma once

#include "core/form_model.h"

#include <Qt>
#include <array>
#include <cstdint>

class QQuickItem;

namespace quorvane::qt {

enum class KeyboardKind : std::uint8_t { wholeNumber, decimalNumber, gridReference };

struct KeyboardInfo {
    KeyboardKind kind;
    Qt::InputMethodHints hints;
};

// In KeyboardKind order. Digits alone for whole degrees and minutes, a number pad with its separators for decimals,
// capitals and digits for grid references. Never predictive text: each key is committed at
// once, for the keystroke gate to judge.
inline constexpr std::array<KeyboardInfo, 3> kKeyboards{{
    {KeyboardKind::wholeNumber, Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText},
    {KeyboardKind::decimalNumber, Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText},
    {KeyboardKind::gridReference,
     Qt::ImhPreferUppercase | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText},
}};

// The keyboard of a field of the form, from its kind.
KeyboardKind keyboardFor(FieldId field);
// Next where the editing bar leads on from the field, Done where its chain ends.
Qt::EnterKeyType enterKeyFor(FieldId field);
// Sets the field's input method hints and the name of its Enter key.
void askForKeyboard(QQuickItem& field, KeyboardKind kind, Qt::EnterKeyType enterKey);

} // namespace quorvane::qt
