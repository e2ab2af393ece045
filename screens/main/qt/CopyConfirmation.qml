// The short confirmation after a copy: the title and the copied line in a small centred alert
// without buttons. It does not take input, so the form stays usable below it. QtCopyConfirmation
// makes one per copy and calls dismiss() after its own second; the alert fades out and then
// signals dismissed(), upon which it is deleted.
import QtQuick
import Quorvane.Main

Item {
    id: alert

    property string title
    property string message
    property bool dismissing: false
    signal dismissed()

    function dismiss() {
        dismissing = true
    }

    objectName: "copyConfirmation"
    anchors.fill: parent
    z: 1000

    Accessible.role: Accessible.AlertMessage
    Accessible.name: title
    Accessible.description: message

    Rectangle {
        id: box

        readonly property int fadeDuration: 150
        readonly property real sideMargin: 40
        readonly property real preferredWidth: 270

        anchors.centerIn: parent
        width: Math.min(preferredWidth, alert.width - 2 * sideMargin)
        height: column.implicitHeight + 2 * column.anchors.margins
        radius: Theme.cardRadius + 2
        color: Theme.card
        border.width: 1
        border.color: Theme.separator
        opacity: alert.dismissing ? 0 : 1

        // Appears like a system alert: faded in from slightly larger.
        NumberAnimation on opacity {
            from: 0
            to: 1
            duration: box.fadeDuration
        }
        NumberAnimation on scale {
            from: 1.15
            to: 1
            duration: box.fadeDuration
            easing.type: Easing.OutCubic
        }
        Behavior on opacity {
            enabled: alert.dismissing
            NumberAnimation { duration: box.fadeDuration }
        }
        onOpacityChanged: {
            if (alert.dismissing && opacity === 0)
                alert.dismissed()
        }

        Column {
            id: column
            anchors.fill: parent
            anchors.margins: 16
            spacing: 4

            Text {
                objectName: "copyConfirmationTitle"
                width: parent.width
                text: alert.title
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                font.pixelSize: Theme.bodyFontSize + 2
                font.bold: true
                color: Theme.text
            }
            Text {
                objectName: "copyConfirmationMessage"
                width: parent.width
                text: alert.message
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                font.pixelSize: Theme.captionFontSize
                color: Theme.text
            }
        }
    }
}
