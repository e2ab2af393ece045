// Previous / Done / Next for the field being edited. Previous and Next are shown only where
// the field's chain leads on; a tap on them leaves the focus alone, so the field stays the one
// being edited until the action moves or ends it.
import QtQuick
import Quorvane.Main

Rectangle {
    id: bar
    objectName: "navigationBar"

    implicitHeight: 48
    color: Theme.bar

    Rectangle {
        width: parent.width
        height: 1
        color: Theme.separator
    }

    TapButton {
        objectName: "previousButton"
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        visible: MainScreen.canGoPrevious
        text: "\u276e"
        font.pixelSize: 17
        accessibleName: qsTr("Previous")
        onClicked: MainScreen.previousButtonAction()
    }

    TapButton {
        objectName: "doneButton"
        anchors.centerIn: parent
        text: qsTr("Done")
        font.pixelSize: 17
        font.bold: true
        onClicked: MainScreen.doneButtonAction()
    }

    TapButton {
        objectName: "nextButton"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        visible: MainScreen.canGoNext
        text: "\u276f"
        font.pixelSize: 17
        accessibleName: qsTr("Next")
        onClicked: MainScreen.nextButtonAction()
    }
}
