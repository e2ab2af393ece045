// The one way a position enters the converter's form, whatever brought it: a text given to
// `quorvane convert` or at start, a geo: link, a paste or a drop, a position fix, a grid
// reference edited on the card.
//
// A reading with written numbers is entered as the user would type it: the hemisphere selectors
// are set from its letters or signs, each number goes into its field of the notation it was
// written in, and each field is converted as the end of its edit would convert it. So a pasted
// "48°51′30″N 2°17′40″E" and the same numbers typed into the seconds row give the same form.
// A position without written numbers (a fix, a grid reference) is entered as signed decimal
// degrees at the seven decimals those fields show. Either way the edit in progress is ended
// first, and the observers of the form hear of one change, once the entry is complete.
#pragma once

#include "core/form_controller.h"
#include "core/position_reader.h"

#include <string_view>

namespace quorvane {

// Enters a reading that succeeded. `accuracy` is the text of the label beside the form (a
// fix's accuracy; "" empties it, as its old text would no longer describe the position).
void enterPosition(FormController& form, const PositionReading& reading,
                   std::string_view accuracy = {});

// A reading of a point without written numbers; entered, its hemispheres follow the signs (-0
// counts as North or East).
PositionReading pointReading(GeoPoint point);

// The magnitude a decimal-degrees field receives for a point's coordinate: |degrees| rounded to
// seven decimals, halves away from zero.
double fieldMagnitude(double degrees);

} // namespace quorvane
