// The application window: phone-portrait by default, resizable, with the converter screen as
// the first page of a stack so that further pages (settings) can be pushed over it.
import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Main

ApplicationWindow {
    id: window

    objectName: "mainWindow"
    width: 390
    height: 844
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: qsTr("Quorvane")
    color: Theme.background

    // The settings pages are made from their files on first use: naming their types here would
    // load them, and the controls and layouts they import, before the converter's first frame.
    readonly property string settingsPage: "qrc:/qt-project.org/imports/Quorvane/Settings/SettingsPage.qml"
    readonly property string defaultMapsPage: "qrc:/qt-project.org/imports/Quorvane/Settings/DefaultMapsPage.qml"
    readonly property string gridReferencesPage: "qrc:/qt-project.org/imports/Quorvane/Settings/GridReferencesPage.qml"

    // Opens a page by the name --page takes ("settings", or "maps" or "grids" over the
    // settings), without animation. False for a name it does not know.
    function openPage(name: string): bool {
        const stacked = {
            converter: [],
            settings: [window.settingsPage],
            maps: [window.settingsPage, window.defaultMapsPage],
            grids: [window.settingsPage, window.gridReferencesPage]
        }
        if (!(name in stacked))
            return false
        stack.pop(null, StackView.Immediate)
        if (stacked[name].length > 0)
            stack.push(stacked[name], StackView.Immediate)
        return true
    }

    StackView {
        id: stack
        objectName: "stackView"
        anchors.fill: parent
        focus: true

        // The pages built from Qt Quick Controls (settings, picker) take the theme's colours
        // and text size through the palette and font they inherit from here.
        font.pixelSize: Theme.bodyFontSize
        palette.window: Theme.card
        palette.windowText: Theme.text
        palette.base: Theme.card
        palette.text: Theme.text
        palette.button: Theme.bar
        palette.buttonText: Theme.accent
        palette.highlight: Theme.accent
        palette.highlightedText: Theme.accentText
        palette.mid: Theme.separator
        palette.light: Theme.card
        palette.midlight: Theme.segmentBackground

        initialItem: ConverterPage {
            // Made at the window's size, not at none: its texts are then laid out once, not
            // again when the stack sizes it.
            width: window.width
            height: window.height
            // Set when the settings cover the converter; on coming back, the keyboard is again
            // on the button that led there rather than on the window.
            property bool covered: false
            onSettingsRequested: stack.push(window.settingsPage)
            StackView.onDeactivated: covered = true
            StackView.onActivated: {
                if (covered)
                    focusSettingsButton()
                covered = false
            }
        }
    }
}
