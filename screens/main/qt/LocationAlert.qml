// The location-disabled alert: a title, a message and two buttons, Settings first and Cancel
// second. C++ (QtLocationAlertPresenter) gives it its texts, already translated, opens it over
// the window and closes it; the alert only says which button was tapped.
import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Main

Popup {
    id: alert

    objectName: "locationAlert"
    property string title
    property string message
    property string settingsText
    property string cancelText
    signal settingsChosen()
    signal cancelChosen()

    readonly property int preferredWidth: 300

    anchors.centerIn: parent
    width: Math.min(preferredWidth, (parent ? parent.width : preferredWidth) - 2 * Theme.margin)
    padding: 0
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape

    background: Rectangle {
        radius: Theme.cardRadius
        color: Theme.card
    }

    contentItem: Column {
        objectName: "locationAlertContent"

        Column {
            id: body
            width: parent.width
            padding: Theme.margin
            spacing: 6

            Text {
                objectName: "locationAlertTitle"
                width: parent.width - 2 * body.padding
                text: alert.title
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Theme.bodyFontSize + 2
                font.bold: true
                color: Theme.text
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            Text {
                objectName: "locationAlertMessage"
                width: parent.width - 2 * body.padding
                text: alert.message
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Theme.captionFontSize
                color: Theme.text
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }

        Rectangle {
            width: parent.width
            height: 1
            color: Theme.separator
        }

        Row {
            width: parent.width

            TapButton {
                objectName: "locationAlertSettingsButton"
                width: (parent.width - divider.width) / 2
                text: alert.settingsText
                onClicked: alert.settingsChosen()
            }

            Rectangle {
                id: divider
                width: 1
                height: parent.height
                color: Theme.separator
            }

            TapButton {
                objectName: "locationAlertCancelButton"
                width: (parent.width - divider.width) / 2
                text: alert.cancelText
                font.bold: true
                onClicked: alert.cancelChosen()
            }
        }
    }
}
