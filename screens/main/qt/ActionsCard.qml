// What can be done with the position: fill it from the current location (with its busy
// indicator and the accuracy of the fix), open it in a maps application, clear the form.
import QtQuick
import Quorvane.Main

Rectangle {
    id: card

    property bool wide: false

    radius: Theme.cardRadius
    color: Theme.card
    implicitHeight: flow.implicitHeight + 2 * flow.anchors.margins

    // One row of three on a wide window; on a phone the location row takes a whole line and
    // the two other buttons share the next.
    Flow {
        id: flow
        anchors.fill: parent
        anchors.margins: 12
        spacing: 10
        readonly property int columns: card.wide ? 3 : 2
        readonly property real cellWidth: (width - (columns - 1) * spacing) / columns

        Item {
            width: card.wide ? flow.cellWidth : flow.width
            height: locationButton.implicitHeight

            TapButton {
                id: locationButton
                objectName: "getcurrentlocationButton"
                anchors.left: parent.left
                anchors.right: locationStatus.left
                anchors.rightMargin: locationStatus.width > 0 ? Theme.spacing : 0
                tint: Theme.tint
                text: "\u27a4  " + qsTr("Current Location")
                accessibleName: qsTr("Current Location")
                onClicked: MainScreen.getCurrentLocation()
            }

            Row {
                id: locationStatus
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6

                Item {
                    id: indicator
                    objectName: "getcurrentlocationindicator"
                    // Spins while a position is awaited and hides when stopped; the spinner
                    // itself is made on first use, which keeps it off the start-up path.
                    property bool running: MainScreen.locationBusy
                    // Spoken, with the busy state, by its accessibility interface (C++).
                    readonly property string accessibleName: MainScreen.locatingName
                    visible: running
                    implicitWidth: 28
                    implicitHeight: 28

                    Loader {
                        anchors.fill: parent
                        active: indicator.running
                        source: "Spinner.qml"
                    }
                }

                ReaderText {
                    objectName: "accuracyLabel"
                    anchors.verticalCenter: parent.verticalCenter
                    font.pixelSize: Theme.captionFontSize
                    color: Theme.secondaryText
                }
            }
        }

        TapButton {
            objectName: "openInMapsButton"
            width: flow.cellWidth
            tint: Theme.tint
            text: qsTr("Open in Maps")
            onClicked: MainScreen.openMaps()
        }

        TapButton {
            objectName: "clearButton"
            width: flow.cellWidth
            text: qsTr("Clear")
            tone: Theme.destructive
            tint: Theme.destructiveTint
            onClicked: MainScreen.clearButtonAction()
        }
    }
}
