// The application window: phone-portrait by default, resizable, with the converter screen as
// the first page of a stack so that further pages (settings) can be pushed over it.
import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Main
import Quorvane.Settings

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

    // Opens a page by the name --page takes ("settings", or "maps" or "grids" over the
    // settings), without animation. False for a name it does not know.
    function openPage(name) {
        const stacked = {
            converter: [],
            settings: [settingsPage],
            maps: [settingsPage, defaultMapsPage],
            grids: [settingsPage, gridReferencesPage]
        }
        if (!(name in stacked))
            return false
        stack.pop(null, StackView.Immediate)
        if (stacked[name].length > 0)
            stack.push(stacked[name], StackView.Immediate)
        return true
    }

    Component {
        id: settingsPage
        SettingsPage {}
    }
    Component {
        id: defaultMapsPage
        DefaultMapsPage {}
    }
    Component {
        id: gridReferencesPage
        GridReferencesPage {}
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
            // Set when the settings cover the converter; on coming back, the keyboard is again
            // on the button that led there rather than on the window.
            property bool covered: false
            onSettingsRequested: stack.push(settingsPage)
            StackView.onDeactivated: covered = true
            StackView.onActivated: {
                if (covered)
                    focusSettingsButton()
                covered = false
            }
        }
    }
}
