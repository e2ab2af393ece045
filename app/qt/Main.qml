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

    StackView {
        id: stack
        objectName: "stackView"
        anchors.fill: parent
        focus: true

        initialItem: ConverterPage {
            // The settings page is pushed here once it exists: stack.push(...)
            onSettingsRequested: {}
        }
    }
}
