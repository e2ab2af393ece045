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

// The pattern with %1, %2, ... replaced by the arguments in order; a %n without argument stays.
std::string fillPlaceholders(std::string_view pattern, std::span<const std::string> arguments);

} // namespace quorvane
