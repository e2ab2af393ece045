// Positions the output actions do not hand out: decimal degrees beyond their half's range (more
// than 90 degrees of latitude or 180 degrees of longitude), and halves not filled in.
//
// Typed digits fold into range when they are read, but a whole-degrees row can still add up to
// more (90° 30' is 90.5°). Such a position is marked on the form, and the output actions refuse
// to hand it out, saying which value lies outside which range.
#pragma once

#include "actions/action_platform.h"
#include "core/form_model.h"

#include <array>
#include <string>
#include <vector>

namespace quorvane {

class FormView;

struct OutOfRange {
    Half half;
    std::string shown; // the decimal degrees as the dddddddd2 row shows them
};

// The halves whose decimal degrees lie beyond their range, latitude first. A half whose decimal
// degrees are empty or not a number is not judged.
std::vector<OutOfRange> outOfRangeHalves(const FormView& view);

// "Latitude 90.5° is out of range (0° to 90°).", in the user's language.
std::string outOfRangeMessage(const OutOfRange& outOfRange, const Translator& translator);

// The halves of a notation whose fields do not all hold a number, latitude first: the form
// has no complete position there to hand out.
std::vector<Half> incompleteHalves(const FormView& view, Notation notation);

// "Fill in the longitude first.", in the user's language (`halves` not empty).
std::string incompleteMessage(const std::vector<Half>& halves, const Translator& translator);

// What a screen reader says of each field's range, in FieldId order: the half's message for the
// fields of a half out of range, "" for every other field.
std::array<std::string, kFieldCount> rangeDescriptions(const FormView& view,
                                                       const Translator& translator);

} // namespace quorvane
