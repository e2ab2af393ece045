<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ActionsCard</name>
    <message>
        <source>Current Location</source>
        <translation>Aktueller Standort</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Karte öffnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Could not open “%1”: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>ConverterPage</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quorvane</source>
        <translation>Quorvane</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds</source>
        <translation>Grad, Minuten, Sekunden</translation>
    </message>
    <message>
        <source>Decimal degrees</source>
        <translation>Dezimalgrad</translation>
    </message>
    <message>
        <source>Signed decimal degrees</source>
        <translation>Dezimalgrad mit Vorzeichen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Degrees and decimal minutes</source>
        <translation>Grad und Dezimalminuten</translation>
    </message>
</context>
<context>
    <name>GridReferenceRow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>GridReferencesCard</name>
    <message>
        <source>Grid references</source>
        <translation>Gitterkoordinaten</translation>
    </message>
    <message>
        <source>UTM/UPS</source>
        <translation>UTM/UPS</translation>
    </message>
    <message>
        <source>MGRS</source>
        <translation>MGRS</translation>
    </message>
    <message>
        <source>Plus Code</source>
        <translation>Plus Code</translation>
    </message>
    <message>
        <source>Maidenhead</source>
        <translation>Maidenhead</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvane</source>
        <translation>Quorvane</translation>
    </message>
</context>
<context>
    <name>MainViewController</name>
    <message>
        <source>Copied to Clipboard</source>
        <translation>In die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Location Services are Disabled</source>
        <translation>Ortungsdienste sind deaktiviert</translation>
    </message>
    <message>
        <source>In order to get your current latitude and longitude, please turn on location services in your device settings.</source>
        <translation>Um deinen aktuellen Breiten- und Längengrad zu ermitteln, aktiviere bitte die Ortungsdienste in den Einstellungen deines Geräts.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>Unit after the accuracy of a position, in metres</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>Apple Maps</source>
        <translation>Apple Karten</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google Maps</translation>
    </message>
    <message>
        <source>OpenStreetMap</source>
        <translation>OpenStreetMap</translation>
    </message>
    <message>
        <source>Waze</source>
        <translation>Waze</translation>
    </message>
    <message>
        <source>Default Maps App</source>
        <translation>Standard-Karten-App</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Copy Text and Link</source>
        <translation>Text und Link kopieren</translation>
    </message>
    <message>
        <source>Open Link in Browser</source>
        <translation>Link im Browser öffnen</translation>
    </message>
    <message>
        <source>Send by E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <source>Location</source>
        <extracomment>Subject of the e-mail that shares a position</extracomment>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>degrees</source>
        <extracomment>What a field holds (read out after Latitude or Longitude)</extracomment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>decimal minutes</source>
        <translation>Dezimalminuten</translation>
    </message>
    <message>
        <source>decimal degrees</source>
        <translation>Dezimalgrad</translation>
    </message>
    <message>
        <source>degrees-minutes-seconds</source>
        <extracomment>A notation, as read out after a field or in &quot;Copy %1&quot;</extracomment>
        <translation>Grad-Minuten-Sekunden</translation>
    </message>
    <message>
        <source>degrees and decimal minutes</source>
        <translation>Grad und Dezimalminuten</translation>
    </message>
    <message>
        <source>signed decimal degrees</source>
        <translation>Dezimalgrad mit Vorzeichen</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>Name of a field: %1 Latitude or Longitude, %2 what the field holds, %3 its notation</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 hemisphere, %2</source>
        <extracomment>Name of a hemisphere selector: %1 Latitude or Longitude, %2 its notation</extracomment>
        <translation>%1, Hemisphäre, %2</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <extracomment>Name of a copy button: %1 the notation it copies</extracomment>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Latitude %1° is out of range (0° to %2°).</source>
        <translation>Breite %1° liegt außerhalb des Bereichs (0° bis %2°).</translation>
    </message>
    <message>
        <source>Longitude %1° is out of range (0° to %2°).</source>
        <translation>Länge %1° liegt außerhalb des Bereichs (0° bis %2°).</translation>
    </message>
    <message>
        <source>The page could not be opened: %1 is missing.</source>
        <extracomment>A page of the settings screen is a file that is not there: %1 its path</extracomment>
        <translation>Die Seite konnte nicht geöffnet werden: %1 fehlt.</translation>
    </message>
    <message>
        <source>No position arrived in time.</source>
        <extracomment>The current-location request waited for a position in vain</extracomment>
        <translation>Keine Position rechtzeitig erhalten.</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <extracomment>A field&apos;s value read out: %1 the number as shown, without its unit mark</extracomment>
        <translation>%1 Grad</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative value read out: %1 the value without its sign</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A name with what it holds or says: %1 the name (of a field, a selector, an alert), %2 its value or message</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Finding your position</source>
        <extracomment>Read out while the current location is awaited</extracomment>
        <translation>Position wird ermittelt</translation>
    </message>
    <message>
        <source>Position filled in</source>
        <extracomment>Read out when the current location filled the form</extracomment>
        <translation>Position eingetragen</translation>
    </message>
    <message>
        <source>Position filled in, accuracy %1</source>
        <extracomment>As before, with %1 the accuracy as shown (e.g. &quot;±12 m&quot;)</extracomment>
        <translation>Position eingetragen, Genauigkeit %1</translation>
    </message>
    <message>
        <source>Grid References</source>
        <translation>Gitterkoordinaten</translation>
    </message>
    <message>
        <source>UTM/UPS</source>
        <translation>UTM/UPS</translation>
    </message>
    <message>
        <source>MGRS</source>
        <translation>MGRS</translation>
    </message>
    <message>
        <source>Plus Code</source>
        <translation>Plus Code</translation>
    </message>
    <message>
        <source>Maidenhead</source>
        <translation>Maidenhead</translation>
    </message>
    <message>
        <source>%1 grid reference</source>
        <extracomment>Name of a grid reference field: %1 the system (UTM/UPS, MGRS, Plus Code, Maidenhead)</extracomment>
        <translation>Gitterkoordinate %1</translation>
    </message>
    <message>
        <source>Out of range</source>
        <extracomment>Shown in an empty grid reference field: the position lies beyond 90 or 180 degrees</extracomment>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Fill in the latitude first.</source>
        <extracomment>Copy, Share or Open in Maps on a form without a complete position</extracomment>
        <translation>Bitte zuerst die Breite eingeben.</translation>
    </message>
    <message>
        <source>Fill in the longitude first.</source>
        <translation>Bitte zuerst die Länge eingeben.</translation>
    </message>
    <message>
        <source>Fill in latitude and longitude first.</source>
        <translation>Bitte zuerst Breite und Länge eingeben.</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>NotationCard</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Br.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Lon</source>
        <translation>Lg.</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>NoticeBanner</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>PageHeader</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>PasteBridge</name>
    <message>
        <source>Not a position: %1</source>
        <translation>Keine Position: %1</translation>
    </message>
    <message>
        <source>Position pasted</source>
        <translation>Position eingefügt</translation>
    </message>
</context>
</TS>
