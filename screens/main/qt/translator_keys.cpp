#include "translator_keys.h"

#include <QtGlobal>
#include <array>

namespace quorvane::qt {

namespace {

// The context below must stay the literal kTranslatorContext holds: lupdate reads it as text.
constexpr std::array kKeys{
    // The copy confirmation's title.
    QT_TRANSLATE_NOOP("MainViewController", "Copied to Clipboard"),

    // The location alert and the accuracy unit.
    QT_TRANSLATE_NOOP("MainViewController", "Location Services are Disabled"),
    QT_TRANSLATE_NOOP("MainViewController",
                      "In order to get your current latitude and longitude, please turn on "
                      "location services in your device settings."),
    QT_TRANSLATE_NOOP("MainViewController", "Settings"),
    QT_TRANSLATE_NOOP("MainViewController", "Cancel"),
    //: Unit after the accuracy of a position, in metres
    QT_TRANSLATE_NOOP("MainViewController", "m"),
    //: The current-location request waited for a position in vain
    QT_TRANSLATE_NOOP("MainViewController", "No position arrived in time."),

    // The maps applications and the settings rows.
    QT_TRANSLATE_NOOP("MainViewController", "Apple Maps"),
    QT_TRANSLATE_NOOP("MainViewController", "Google Maps"),
    QT_TRANSLATE_NOOP("MainViewController", "OpenStreetMap"),
    QT_TRANSLATE_NOOP("MainViewController", "Waze"),
    QT_TRANSLATE_NOOP("MainViewController", "Default Maps App"),
    QT_TRANSLATE_NOOP("MainViewController", "License Agreement"),
    QT_TRANSLATE_NOOP("MainViewController", "Privacy Policy"),
    //: A page of the settings screen is a file that is not there: %1 its path
    QT_TRANSLATE_NOOP("MainViewController", "The page could not be opened: %1 is missing."),

    // The share sheet.
    QT_TRANSLATE_NOOP("MainViewController", "Share"),
    QT_TRANSLATE_NOOP("MainViewController", "Copy Text"),
    QT_TRANSLATE_NOOP("MainViewController", "Copy Link"),
    QT_TRANSLATE_NOOP("MainViewController", "Copy Text and Link"),
    QT_TRANSLATE_NOOP("MainViewController", "Open Link in Browser"),
    QT_TRANSLATE_NOOP("MainViewController", "Send by E-mail"),
    //: Subject of the e-mail that shares a position
    QT_TRANSLATE_NOOP("MainViewController", "Location"),

    // Parts of the names a screen reader speaks for the form's controls.
    QT_TRANSLATE_NOOP("MainViewController", "Latitude"),
    QT_TRANSLATE_NOOP("MainViewController", "Longitude"),
    //: What a field holds (read out after Latitude or Longitude)
    QT_TRANSLATE_NOOP("MainViewController", "degrees"),
    QT_TRANSLATE_NOOP("MainViewController", "minutes"),
    QT_TRANSLATE_NOOP("MainViewController", "seconds"),
    QT_TRANSLATE_NOOP("MainViewController", "decimal minutes"),
    QT_TRANSLATE_NOOP("MainViewController", "decimal degrees"),
    //: A notation, as read out after a field or in "Copy %1"
    QT_TRANSLATE_NOOP("MainViewController", "degrees-minutes-seconds"),
    QT_TRANSLATE_NOOP("MainViewController", "degrees and decimal minutes"),
    QT_TRANSLATE_NOOP("MainViewController", "signed decimal degrees"),
    QT_TRANSLATE_NOOP("MainViewController", "North"),
    QT_TRANSLATE_NOOP("MainViewController", "South"),
    QT_TRANSLATE_NOOP("MainViewController", "East"),
    QT_TRANSLATE_NOOP("MainViewController", "West"),
    //: Name of a field: %1 Latitude or Longitude, %2 what the field holds, %3 its notation
    QT_TRANSLATE_NOOP("MainViewController", "%1 %2, %3"),
    //: Name of a hemisphere selector: %1 Latitude or Longitude, %2 its notation
    QT_TRANSLATE_NOOP("MainViewController", "%1 hemisphere, %2"),
    //: Name of a copy button: %1 the notation it copies
    QT_TRANSLATE_NOOP("MainViewController", "Copy %1"),
    //: A field's value read out: %1 the number as shown, without its unit mark
    QT_TRANSLATE_NOOP("MainViewController", "%1 degrees"),
    QT_TRANSLATE_NOOP("MainViewController", "%1 minutes"),
    QT_TRANSLATE_NOOP("MainViewController", "%1 seconds"),
    //: A negative value read out: %1 the value without its sign
    QT_TRANSLATE_NOOP("MainViewController", "minus %1"),
    //: A name with what it holds or says: %1 the name (of a field, a selector, an alert), %2 its
    //: value or message
    QT_TRANSLATE_NOOP("MainViewController", "%1: %2"),
    //: Read out while the current location is awaited
    QT_TRANSLATE_NOOP("MainViewController", "Finding your position"),
    //: Read out when the current location filled the form
    QT_TRANSLATE_NOOP("MainViewController", "Position filled in"),
    //: As before, with %1 the accuracy as shown (e.g. "±12 m")
    QT_TRANSLATE_NOOP("MainViewController", "Position filled in, accuracy %1"),

    // A position out of range: %1 the decimal degrees as shown, %2 the limit in degrees.
    QT_TRANSLATE_NOOP("MainViewController",
                      "Latitude %1\u00B0 is out of range (0\u00B0 to %2\u00B0)."),
    QT_TRANSLATE_NOOP("MainViewController",
                      "Longitude %1\u00B0 is out of range (0\u00B0 to %2\u00B0)."),
    //: Copy, Share or Open in Maps on a form without a complete position
    QT_TRANSLATE_NOOP("MainViewController", "Fill in the latitude first."),
    QT_TRANSLATE_NOOP("MainViewController", "Fill in the longitude first."),
    QT_TRANSLATE_NOOP("MainViewController", "Fill in latitude and longitude first."),

    // The grid references: the settings row and page, the systems' names, the spoken name of a
    // reference field, and the reason a field is empty.
    QT_TRANSLATE_NOOP("MainViewController", "Grid References"),
    QT_TRANSLATE_NOOP("MainViewController", "UTM/UPS"),
    QT_TRANSLATE_NOOP("MainViewController", "MGRS"),
    QT_TRANSLATE_NOOP("MainViewController", "Plus Code"),
    QT_TRANSLATE_NOOP("MainViewController", "Maidenhead"),
    //: Name of a grid reference field: %1 the system (UTM/UPS, MGRS, Plus Code, Maidenhead)
    QT_TRANSLATE_NOOP("MainViewController", "%1 grid reference"),
    //: Shown in an empty grid reference field: the position lies beyond 90 or 180 degrees
    QT_TRANSLATE_NOOP("MainViewController", "Out of range"),
};

} // namespace

std::span<const char* const> translatorKeys() {
    return kKeys;
}

} // namespace quorvane::qt
