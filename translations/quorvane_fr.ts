<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>ActionsCard</name>
    <message>
        <source>Current Location</source>
        <translation>Position actuelle</translation>
    </message>
    <message>
        <source>Open in Maps</source>
        <translation>Ouvrir la carte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>AppSession</name>
    <message>
        <source>Could not open “%1”: %2</source>
        <translation>Impossible d’ouvrir « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>ConverterPage</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Quorvane</source>
        <translation>Quorvane</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Degrees, minutes, seconds</source>
        <translation>Degrés, minutes, secondes</translation>
    </message>
    <message>
        <source>Decimal degrees</source>
        <translation>Degrés décimaux</translation>
    </message>
    <message>
        <source>Signed decimal degrees</source>
        <translation>Degrés décimaux signés</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Degrees and decimal minutes</source>
        <translation>Degrés et minutes décimales</translation>
    </message>
</context>
<context>
    <name>GridReferenceRow</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>GridReferencesCard</name>
    <message>
        <source>Grid references</source>
        <translation>Références de quadrillage</translation>
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
        <translation>Copié dans le presse-papiers</translation>
    </message>
    <message>
        <source>Location Services are Disabled</source>
        <translation>Le service de localisation est désactivé</translation>
    </message>
    <message>
        <source>In order to get your current latitude and longitude, please turn on location services in your device settings.</source>
        <translation>Pour obtenir votre latitude et votre longitude actuelles, veuillez activer le service de localisation dans les réglages de votre appareil.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>m</source>
        <extracomment>Unit after the accuracy of a position, in metres</extracomment>
        <translation>m</translation>
    </message>
    <message>
        <source>Apple Maps</source>
        <translation>Plans</translation>
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
        <translation>App de cartes par défaut</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copier le texte</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Copy Text and Link</source>
        <translation>Copier le texte et le lien</translation>
    </message>
    <message>
        <source>Open Link in Browser</source>
        <translation>Ouvrir le lien dans le navigateur</translation>
    </message>
    <message>
        <source>Send by E-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Location</source>
        <extracomment>Subject of the e-mail that shares a position</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>degrees</source>
        <extracomment>What a field holds (read out after Latitude or Longitude)</extracomment>
        <translation>degrés</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>decimal minutes</source>
        <translation>minutes décimales</translation>
    </message>
    <message>
        <source>decimal degrees</source>
        <translation>degrés décimaux</translation>
    </message>
    <message>
        <source>degrees-minutes-seconds</source>
        <extracomment>A notation, as read out after a field or in &quot;Copy %1&quot;</extracomment>
        <translation>degrés-minutes-secondes</translation>
    </message>
    <message>
        <source>degrees and decimal minutes</source>
        <translation>degrés et minutes décimales</translation>
    </message>
    <message>
        <source>signed decimal degrees</source>
        <translation>degrés décimaux signés</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>Name of a field: %1 Latitude or Longitude, %2 what the field holds, %3 its notation</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 hemisphere, %2</source>
        <extracomment>Name of a hemisphere selector: %1 Latitude or Longitude, %2 its notation</extracomment>
        <translation>%1, hémisphère, %2</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <extracomment>Name of a copy button: %1 the notation it copies</extracomment>
        <translation>Copier en %1</translation>
    </message>
    <message>
        <source>Latitude %1° is out of range (0° to %2°).</source>
        <translation>La latitude %1° est hors limites (de 0° à %2°).</translation>
    </message>
    <message>
        <source>Longitude %1° is out of range (0° to %2°).</source>
        <translation>La longitude %1° est hors limites (de 0° à %2°).</translation>
    </message>
    <message>
        <source>The page could not be opened: %1 is missing.</source>
        <extracomment>A page of the settings screen is a file that is not there: %1 its path</extracomment>
        <translation>Impossible d’ouvrir la page : %1 est introuvable.</translation>
    </message>
    <message>
        <source>No position arrived in time.</source>
        <extracomment>The current-location request waited for a position in vain</extracomment>
        <translation>Aucune position reçue à temps.</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <extracomment>A field&apos;s value read out: %1 the number as shown, without its unit mark</extracomment>
        <translation>%1 degrés</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative value read out: %1 the value without its sign</extracomment>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A name with what it holds or says: %1 the name (of a field, a selector, an alert), %2 its value or message</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Finding your position</source>
        <extracomment>Read out while the current location is awaited</extracomment>
        <translation>Recherche de votre position</translation>
    </message>
    <message>
        <source>Position filled in</source>
        <extracomment>Read out when the current location filled the form</extracomment>
        <translation>Position saisie</translation>
    </message>
    <message>
        <source>Position filled in, accuracy %1</source>
        <extracomment>As before, with %1 the accuracy as shown (e.g. &quot;±12 m&quot;)</extracomment>
        <translation>Position saisie, précision %1</translation>
    </message>
    <message>
        <source>Grid References</source>
        <translation>Références de quadrillage</translation>
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
        <translation>Référence de quadrillage %1</translation>
    </message>
    <message>
        <source>Out of range</source>
        <extracomment>Shown in an empty grid reference field: the position lies beyond 90 or 180 degrees</extracomment>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Fill in the latitude first.</source>
        <extracomment>Copy, Share or Open in Maps on a form without a complete position</extracomment>
        <translation>Saisissez d’abord la latitude.</translation>
    </message>
    <message>
        <source>Fill in the longitude first.</source>
        <translation>Saisissez d’abord la longitude.</translation>
    </message>
    <message>
        <source>Fill in latitude and longitude first.</source>
        <translation>Saisissez d’abord la latitude et la longitude.</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>NotationCard</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Lat.</translation>
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
        <translation>Lon.</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>NoticeBanner</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PageHeader</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>PasteBridge</name>
    <message>
        <source>Not a position: %1</source>
        <translation>Pas une position : %1</translation>
    </message>
    <message>
        <source>Position pasted</source>
        <translation>Position collée</translation>
    </message>
</context>
</TS>
