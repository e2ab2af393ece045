// One notation: its title, a copy button and the latitude and longitude halves.
import QtQuick
import Quorvane.Main

Rectangle {
    id: card

    property string notation // the core's name of the notation, e.g. "ddd_mm_sss"
    property string title
    property string copyButtonName
    // Slimmer margins and controls, for a narrow phone.
    property bool compact: false
    property alias latitude: latitudeRow
    property alias longitude: longitudeRow

    objectName: "card_" + notation
    radius: Theme.cardRadius
    color: Theme.card
    implicitHeight: column.implicitHeight + 2 * column.anchors.margins

    Column {
        id: column
        anchors.fill: parent
        anchors.margins: card.compact ? 10 : 12
        spacing: 8

        Item {
            width: parent.width
            // The Copy button is a fingertip tall; it reaches into the card's margin and the gap
            // below, so that the title line stays as high as its text.
            height: Math.max(28, titleLabel.implicitHeight)

            // A title too long for one line wraps onto a second one.
            Text {
                id: titleLabel
                objectName: "title_" + card.notation
                anchors.left: parent.left
                anchors.right: copyButton.left
                anchors.verticalCenter: parent.verticalCenter
                text: card.title
                wrapMode: Text.WordWrap
                maximumLineCount: 2
                elide: Text.ElideRight
                font.pixelSize: Theme.bodyFontSize
                font.bold: true
                color: Theme.text
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            TapButton {
                id: copyButton
                objectName: card.copyButtonName
                anchors.right: parent.right
                anchors.rightMargin: -8
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Copy")
                onClicked: MainScreen.copyNotation(card.notation)
            }
        }

        HalfRow {
            id: latitudeRow
            width: parent.width
            compact: card.compact
            caption: qsTr("Lat")
            selector.firstTitle: qsTr("N")
            selector.secondTitle: qsTr("S")
        }

        HalfRow {
            id: longitudeRow
            width: parent.width
            compact: card.compact
            caption: qsTr("Lon")
            selector.firstTitle: qsTr("E")
            selector.secondTitle: qsTr("W")
        }
    }
}
