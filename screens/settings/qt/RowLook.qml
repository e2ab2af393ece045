import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// What every settings row draws, whatever kind of control the row is: the title on the left,
// the detail text and the accessory on the right, the keyboard focus frame and a hairline below.
// It fills the row as the row's background; the row's own content item stays empty.
Item {
    id: look

    // The row's button (any of its kinds; the style's types do not convert to one base type).
    required property Item row
    property string titleText
    property string detailText
    property bool showsDisclosure: false
    property bool showsCheckmark: false

    Rectangle {
        anchors.fill: parent
        visible: look.row.down
        color: look.row.palette.midlight
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: look.row.leftPadding
        anchors.rightMargin: look.row.rightPadding
        spacing: 8

        Label {
            objectName: "titleLabel"
            text: look.titleText
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            Layout.fillWidth: true
        }
        Label {
            objectName: "detailLabel"
            text: look.detailText
            visible: text.length > 0
            opacity: 0.6
            elide: Text.ElideLeft
            Layout.maximumWidth: look.width / 2
        }
        Label {
            objectName: "accessoryLabel"
            text: look.showsCheckmark ? "\u2713" : "\u203A"
            visible: look.showsCheckmark || look.showsDisclosure
            color: look.showsCheckmark ? look.row.palette.highlight : look.row.palette.windowText
            opacity: look.showsCheckmark ? 1.0 : 0.5
            font.pixelSize: 18
            font.bold: look.showsCheckmark
            // The glyph only draws what the checked state and the role already say.
            Accessible.ignored: true
        }
    }

    // The keyboard focus.
    Rectangle {
        objectName: "focusFrame"
        anchors.fill: parent
        anchors.margins: 2
        visible: look.row.activeFocus
        color: "transparent"
        border.width: 2
        border.color: look.row.palette.highlight
        radius: 4
    }

    Rectangle {
        anchors.left: parent.left
        anchors.leftMargin: look.row.leftPadding
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 1
        color: look.row.palette.mid
        opacity: 0.5
    }
}
