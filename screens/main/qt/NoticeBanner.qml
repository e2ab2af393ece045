// A short message above the form (for example why a position given at start could not be
// read), with a button to close it.
import QtQuick
import Quorvane.Main
import QtQuick.Controls.Basic

Rectangle {
    id: banner

    radius: Theme.cardRadius
    color: Theme.notice
    implicitHeight: Math.max(noticeLabel.implicitHeight + 20, 44)
    visible: MainScreen.notice !== ""

    Label {
        id: noticeLabel
        objectName: "noticeLabel"
        anchors.left: parent.left
        anchors.right: closeButton.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        text: MainScreen.notice
        wrapMode: Text.Wrap
        font.pixelSize: Theme.captionFontSize + 1
        color: Theme.text
    }

    ToolButton {
        id: closeButton
        objectName: "noticeCloseButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        focusPolicy: Qt.TabFocus
        text: "\u2715"
        Accessible.name: qsTr("Close")
        contentItem: Text {
            text: closeButton.text
            font.pixelSize: Theme.bodyFontSize
            color: Theme.secondaryText
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Item {}
        onClicked: MainScreen.dismissNotice()
    }
}
