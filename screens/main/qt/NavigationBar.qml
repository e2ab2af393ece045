// Previous / Done / Next for the field being edited. Previous and Next are shown only where
// the field's chain leads on; none of the buttons takes the focus, so the field stays the one
// being edited until the action moves or ends it.
import QtQuick
import Quorvane.Main
import QtQuick.Controls.Basic

Rectangle {
    id: bar

    implicitHeight: 48
    color: Theme.bar

    Rectangle {
        width: parent.width
        height: 1
        color: Theme.separator
    }

    component BarButton: ToolButton {
        id: button
        focusPolicy: Qt.NoFocus
        font.pixelSize: 17
        contentItem: Text {
            text: button.text
            font: button.font
            color: button.down ? Qt.darker(Theme.accent, 1.3) : Theme.accent
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Item {}
    }

    BarButton {
        objectName: "previousButton"
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        visible: MainScreen.canGoPrevious
        text: "\u276e"
        Accessible.name: qsTr("Previous")
        onClicked: MainScreen.previousButtonAction()
    }

    BarButton {
        objectName: "doneButton"
        anchors.centerIn: parent
        text: qsTr("Done")
        font.bold: true
        onClicked: MainScreen.doneButtonAction()
    }

    BarButton {
        objectName: "nextButton"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        visible: MainScreen.canGoNext
        text: "\u276f"
        Accessible.name: qsTr("Next")
        onClicked: MainScreen.nextButtonAction()
    }
}
