// The share sheet of the desktop: a small popover below the share button that shows what is
// shared (the position text and the maps link) and lists where it can go. The entries, their
// titles and what each does come from QtShareSheet (C++); a tap closes the sheet and reports
// the entry's name through chosen(). Escape, a tap outside or Cancel close it without sharing.
import QtQuick
import QtQuick.Controls.Basic
import Quorvane.Main

Popup {
    id: sheet

    property string heading
    property string shareText
    property string shareUrl
    property var entries: [] // [{name, title}]
    property string cancelTitle
    signal chosen(string name)

    readonly property int arrowSize: 8
    readonly property int fadeDuration: 150

    objectName: "shareSheetPopup"
    // Right-aligned below the button it hangs from, pointing up at it.
    width: Math.min(300, (parent && parent.Window.window ? parent.Window.window.width : 300) - 16)
    x: parent ? parent.width - width : 0
    y: parent ? parent.height + arrowSize : 0
    margins: 8
    padding: 12
    topPadding: 12
    modal: true
    dim: false
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    enter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: sheet.fadeDuration }
    }
    exit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: sheet.fadeDuration }
    }

    background: Item {
        Rectangle {
            anchors.fill: parent
            radius: Theme.cardRadius
            color: Theme.card
            border.width: 1
            border.color: Theme.separator
        }
        // The arrow towards the share button.
        Rectangle {
            x: (sheet.parent ? sheet.parent.width / 2 - sheet.x : parent.width - 22) - width / 2
            y: -height / 2
            width: sheet.arrowSize * 1.6
            height: width
            rotation: 45
            color: Theme.card
            border.width: 1
            border.color: Theme.separator
            z: -1
        }
    }

    contentItem: Column {
        objectName: "shareSheet"
        spacing: 4

        Accessible.role: Accessible.Grouping
        Accessible.name: sheet.heading

        Text {
            objectName: "shareSheetText"
            width: parent.width
            text: sheet.shareText
            font.pixelSize: Theme.bodyFontSize
            font.bold: true
            elide: Text.ElideRight
            color: Theme.text
        }
        Text {
            objectName: "shareSheetLink"
            width: parent.width
            text: sheet.shareUrl
            font.pixelSize: Theme.captionFontSize
            elide: Text.ElideMiddle
            color: Theme.secondaryText
            bottomPadding: 6
        }

        Repeater {
            model: sheet.entries
            delegate: TapButton {
                required property var modelData
                objectName: modelData.name
                width: parent ? parent.width : implicitWidth
                text: modelData.title
                tint: Theme.tint
                onClicked: {
                    sheet.close()
                    sheet.chosen(modelData.name)
                }
            }
        }

        TapButton {
            objectName: "shareCancel"
            width: parent.width
            text: sheet.cancelTitle
            tone: Theme.secondaryText
            onClicked: sheet.close()
        }
    }
}
