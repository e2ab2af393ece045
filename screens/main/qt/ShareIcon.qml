// The share symbol: a tray open at the top with an arrow leaving it.
import QtQuick

Item {
    id: icon

    property color color: "black"

    implicitWidth: 22
    implicitHeight: 24

    // The tray, with its top edge cut open in the middle.
    Rectangle {
        id: tray
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        width: 18
        height: 14
        radius: 2
        color: "transparent"
        border.width: 2
        border.color: icon.color
    }
    Rectangle {
        anchors.horizontalCenter: tray.horizontalCenter
        y: tray.y
        width: 8
        height: 2
        color: Theme.bar
    }

    // The arrow: a shaft and a head of two strokes.
    Rectangle {
        id: shaft
        anchors.horizontalCenter: parent.horizontalCenter
        y: 1
        width: 2
        height: 15
        color: icon.color
    }
    Rectangle {
        x: shaft.x - 4
        y: shaft.y + 3
        width: 7
        height: 2
        rotation: -45
        color: icon.color
    }
    Rectangle {
        x: shaft.x - 1
        y: shaft.y + 3
        width: 7
        height: 2
        rotation: 45
        color: icon.color
    }
}
