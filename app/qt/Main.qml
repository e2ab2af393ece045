// The application window: phone-portrait by default, resizable, with the converter screen and,
// over it when asked for, a stack of further pages (settings). A plain Window rather than a Qt
// Quick Controls ApplicationWindow: the converter is built from Qt Quick items alone, and the
// controls module, whose type registration was a fifth of the start-up, loads with the first
// page that needs it.
import QtQuick
import Quorvane.Main

Window {
    id: window

    objectName: "mainWindow"
    width: 390
    height: 844
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: qsTr("Quorvane")
    color: Theme.background

    // The stack and the settings pages are made from their files on first use: naming their
    // types here would load them, and the controls and layouts they import, before the
    // converter's first frame.
    readonly property string pageStack: "qrc:/qt-project.org/imports/Quorvane/PageStack.qml"
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
        if (stacked[name].length > 0 || pages.status === Loader.Ready)
            window.stackedPages().showAtOnce(stacked[name])
        return true
    }

    // The stack of pages, made the first time a page is opened.
    function stackedPages(): Item {
        if (pages.status !== Loader.Ready)
            pages.setSource(window.pageStack, { converter: converter })
        return pages.item
    }

    ConverterPage {
        id: converter
        // Made at the window's size, not at none: its texts are then laid out once, not
        // again when the window sizes its content.
        width: window.width
        height: window.height
        focus: true
        onSettingsRequested: window.stackedPages().pushPage(window.settingsPage)
    }

    Loader {
        id: pages
        anchors.fill: parent
        onLoaded: pages.focus = true
    }
}
