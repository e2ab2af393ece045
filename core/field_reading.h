// Reading the fourteen field texts into their stored values.
//
// The rule of each field depends on its kind (see kFieldKinds):
// - Degrees and Minutes: a text with a unit mark loses its last character and the rest is
//   parsed; a text without one is parsed whole if it holds a digit. A text that does not parse
//   leaves the stored value as it was. No comma normalisation, no range.
// - Seconds, DecimalMinutes, DecimalDegrees: "," becomes "." first. A text with a unit mark
//   loses its last character; if the rest does not parse the value stays. A text without a
//   mark that holds a digit but does not parse reads as 0. A parsed value above the field's
//   limit (60, 60, 90 or 180) is divided by ten, one step at a time, until it fits:
//   "75" seconds read as 7.5, "123" degrees of latitude as 12.3.
// - An empty text, and a text with neither mark nor digit, leave the stored value as it was.
//
// Values that are not finite (strtod reads "inf" and "nan") are never stored: they count as a
// text that does not parse.
#pragma once

#include "form_model.h"

#include <array>
#include <bitset>
#include <string>
#include <string_view>

namespace quorvane {

enum class ReadOutcome : unsigned char {
    empty,      // no text: the value stays
    noDigit,    // neither unit mark nor digit: the value stays
    stored,     // the text gave the new value
    unreadable, // the text did not parse: the value stays
    zeroed,     // the text held digits, did not parse, and reads as 0
};

struct FieldReading {
    ReadOutcome outcome;
    double value; // the stored value after reading
};

// Which fields' texts did not give a value in the last pass (outcomes noDigit, unreadable,
// zeroed): the conversion rewrites those texts from the stored value.
using UnreadFields = std::bitset<kFieldCount>;

class FormView;
class FieldValues;

// All fourteen fields in FieldId order, in one pass.
UnreadFields readFieldValues(const FormView& view, FieldValues& values);
// The seven fields of one half, their bits of `unread` with them. A conversion step works on
// one half only, and reads no more: the other half's values are read before any step uses them,
// and a text read later keeps the same last good value as one read each time.
void readHalfValues(const FormView& view, FieldValues& values, Half half, UnreadFields& unread);

// The stored value of each field: a magnitude in the field's unit, 0 at creation.
class FieldValues {
public:
    double operator[](FieldId f) const { return values_[indexOf(f)]; }
    double& operator[](FieldId f) { return values_[indexOf(f)]; }
    void reset() { values_.fill(0.0); }

    // Reads the field's text by its rule into the stored value; true when the text gave no
    // value (outcomes noDigit, unreadable, zeroed).
    bool read(FieldId field, const std::string& text);

private:
    // The last text each field was read from, and what it read as. The form reads the fields
    // of a half at each step, mostly texts it read before; a text read again is not parsed again (its
    // reading does not depend on the stored value, except where it keeps that value).
    struct LastReading {
        std::string text;
        ReadOutcome outcome = ReadOutcome::empty;
        double value = 0;
    };

    std::array<double, kFieldCount> values_{};
    std::array<LastReading, kFieldCount> last_{};
};

// One field's rule, given its text and the value stored before.
FieldReading readField(FieldId field, std::string_view text, double previous);

// A degree, minutes or seconds mark anywhere in the text.
bool holdsUnitMark(std::string_view text);

// Divide by ten, one step at a time, while the value exceeds the limit.
double foldIntoRange(double value, double limit);

} // namespace quorvane
