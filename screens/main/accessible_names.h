// The names a screen reader speaks for the converter's fields, hemisphere selectors (and each of
// their two segments) and copy buttons, in the user's language.
//
// The names are composed from the form's tables (which notation and half a field belongs to,
// what it holds), so a field is read out as "Latitude degrees, degrees-minutes-seconds" and a
// copy button as "Copy decimal degrees". Translations get whole patterns ("%1 %2, %3"), so each
// language may order the parts as it needs.
#pragma once

#include "actions/action_platform.h"
#include "core/form_model.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct ControlName {
    std::string objectName; // "d1", "c1", "c1_0" (its first segment), "copy1", ...
    std::string name;
};

// The objectName of a selector's segment: the selector's name, "_" and 0 or 1.
std::string segmentObjectName(SelectorId selector, int segment);
// The objectName of a notation's copy button: "copy1" .. "copy4" in notation order.
std::string copyButtonObjectName(Notation notation);

// Names of every field, selector, segment and copy button of the form.
std::vector<ControlName> accessibleNames(const Translator& translator);

// The value of a field as a screen reader speaks it: the shown text without its unit mark and
// with the unit as a word ("48°" is "48 degrees", "-73.5" is "minus 73.5 degrees"); "" when empty.
std::string spokenFieldValue(FieldId field, std::string_view shownText,
                             const Translator& translator);

// A control's name followed by what it holds now ("Latitude degrees, ...: 48 degrees"); the name
// alone when the value is "". Screen readers speak a focused control's name on focus and again
// whenever it changes, so the value is heard either way.
std::string nameWithValue(std::string_view name, std::string_view value,
                          const Translator& translator);

// The hemisphere a selector shows, as a word: "North", "South", "East" or "West".
std::string hemisphereWord(SelectorId selector, int index, const Translator& translator);

// What is announced when the hemispheres change: "Latitude: South".
std::string hemisphereAnnouncement(SelectorId selector, int index, const Translator& translator);

// Announcements of the current-location request: while a position is awaited, and when it
// arrived with the accuracy as shown ("±12 m"; none when the fix carries no accuracy).
std::string locatingAnnouncement(const Translator& translator);
std::string locatedAnnouncement(std::string_view accuracy, const Translator& translator);

// The copy confirmation read out: its title and the copied line.
std::string copiedAnnouncement(std::string_view title, std::string_view line,
                               const Translator& translator);

// The pattern with %1, %2, ... replaced by the arguments in order; a %n without argument stays.
std::string fillPlaceholders(std::string_view pattern, std::span<const std::string> arguments);

} // namespace quorvane
