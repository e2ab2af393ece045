// A short message above the form (for example why a position given at start could not be
// read), with a button to close it.
import QtQuick
import Quorvane.Main

Rectangle {
    id: banner
    objectName: "noticeBanner"

    radius: Theme.cardRadius
    color: Theme.notice
    implicitHeight: Math.max(noticeLabel.implicitHeight + 20, 44)

    Text {
        id: noticeLabel
        objectName: "noticeLabel"
        anchors.left: parent.left
        anchors.right: undoButton.visible ? undoButton.left : closeButton.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        text: MainScreen.notice
        wrapMode: Text.Wrap
        font.pixelSize: Theme.captionFontSize
        color: Theme.text
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    // Offered while the notice confirms a paste: puts the form back as it was.
    TapButton {
        id: undoButton
        objectName: "noticeUndoButton"
        anchors.right: closeButton.left
        anchors.verticalCenter: parent.verticalCenter
        visible: Paste.undoAvailable
        text: qsTr("Undo")
        font.pixelSize: Theme.captionFontSize
        onClicked: Paste.undo()
    }

    TapButton {
        id: closeButton
        objectName: "noticeCloseButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        text: "\u2715"
        tone: Theme.secondaryText
        accessibleName: qsTr("Close")
        onClicked: MainScreen.dismissNotice()
    }
}
