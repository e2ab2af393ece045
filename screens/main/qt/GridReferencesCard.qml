// The fifth card: the position's grid references, one row per system. Which rows show is the
// settings' choice (GridCardScreen hides the others, and the card when none is left).
import QtQuick
import Quorvane.Main

Rectangle {
    id: card

    objectName: "card_grid"
    radius: Theme.cardRadius
    color: Theme.card
    implicitHeight: column.implicitHeight + 2 * column.anchors.margins

    Column {
        id: column
        anchors.fill: parent
        anchors.margins: 12
        spacing: 8

        ReaderText {
            width: parent.width
            height: 28
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Grid references")
            accessibleRole: Accessible.Heading
            elide: Text.ElideRight
            font.pixelSize: Theme.bodyFontSize
            font.bold: true
            color: Theme.text
        }

        GridReferenceRow {
            width: parent.width
            system: "utm"
            caption: qsTr("UTM/UPS")
        }
        GridReferenceRow {
            width: parent.width
            system: "mgrs"
            caption: qsTr("MGRS")
        }
        GridReferenceRow {
            width: parent.width
            system: "pluscode"
            caption: qsTr("Plus Code")
        }
        GridReferenceRow {
            width: parent.width
            system: "maidenhead"
            caption: qsTr("Maidenhead")
        }
    }
}
