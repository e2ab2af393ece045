import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One row of a settings table: title on the left, detail text and accessory on the right, a
// hairline below.
ItemDelegate {
    id: row

    property string titleText
    property string detailText
    property bool showsDisclosure: false
    property bool showsCheckmark: false

    width: ListView.view ? ListView.view.width : implicitWidth
    implicitHeight: 48
    leftPadding: 16
    rightPadding: 12
    // Not drawn (the row lays out its own labels) but what a screen reader says for the row.
    text: titleText
    Accessible.name: titleText
    Accessible.description: detailText

    contentItem: RowLayout {
        spacing: 8

        Label {
            objectName: "titleLabel"
            text: row.titleText
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            Layout.fillWidth: true
        }
        Label {
            objectName: "detailLabel"
            text: row.detailText
            visible: text.length > 0
            opacity: 0.6
            elide: Text.ElideLeft
            Layout.maximumWidth: row.width / 2
        }
        Label {
            objectName: "accessoryLabel"
            text: row.showsCheckmark ? "\u2713" : "\u203A"
            visible: row.showsCheckmark || row.showsDisclosure
            color: row.showsCheckmark ? row.palette.highlight : row.palette.windowText
            opacity: row.showsCheckmark ? 1.0 : 0.5
            font.pixelSize: 18
            font.bold: row.showsCheckmark
        }
    }

    Rectangle {
        anchors.left: parent.left
        anchors.leftMargin: row.leftPadding
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 1
        color: row.palette.mid
        opacity: 0.5
    }
}
