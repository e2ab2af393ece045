// Colours and measures shared by the screens, in a light and a dark set.
pragma Singleton
import QtQuick
import Quorvane.Main

QtObject {
    // The platform's palette decides, unless QUORVANE_COLOR_SCHEME asks for one (ColorScheme).
    readonly property SystemPalette system: SystemPalette {}
    readonly property bool dark: ColorScheme.requested === "dark"
                                 || (ColorScheme.requested !== "light"
                                     && system.window.hslLightness < 0.5)

    readonly property color background: dark ? "#000000" : "#f2f2f7"
    readonly property color card: dark ? "#1c1c1e" : "#ffffff"
    readonly property color bar: dark ? "#161618" : "#f9f9fb"
    readonly property color separator: dark ? "#38383a" : "#d1d1d6"
    readonly property color text: dark ? "#ffffff" : "#1c1c1e"
    readonly property color secondaryText: dark ? "#98989f" : "#6c6c70"
    readonly property color placeholder: dark ? "#5a5a5f" : "#b4b4b9"
    readonly property color fieldBackground: dark ? "#2c2c2e" : "#ffffff"
    readonly property color fieldBorder: "#8e8e93" // the system gray, in both sets
    readonly property color accent: dark ? "#0a84ff" : "#007aff"
    readonly property color accentText: "#ffffff"
    readonly property color tint: dark ? "#102a47" : "#e5f0ff"
    readonly property color destructive: dark ? "#ff453a" : "#ff3b30"
    readonly property color destructiveTint: dark ? "#3a1614" : "#ffeceb"
    readonly property color segmentBackground: dark ? "#3a3a3c" : "#e4e4e9"
    readonly property color segmentSelected: dark ? "#69696e" : "#ffffff"
    readonly property color notice: dark ? "#3a3420" : "#fff4d6"

    readonly property int controlRadius: 5
    readonly property int cardRadius: 12
    readonly property int margin: 16
    readonly property int spacing: 8
    // Fields and selectors are as tall as a fingertip needs (44 logical pixels).
    readonly property int fieldHeight: 44
    readonly property int fieldFontSize: 16
    readonly property int bodyFontSize: 15
    readonly property int captionFontSize: 13
}
