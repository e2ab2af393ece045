// A rounded, tinted button of the screen's action area.
import QtQuick
import QtQuick.Controls.Basic

Button {
    id: button

    property color tone: Theme.accent
    property color tint: Theme.tint

    focusPolicy: Qt.TabFocus
    implicitHeight: 44
    font.pixelSize: Theme.bodyFontSize

    contentItem: Text {
        text: button.text
        font: button.font
        color: button.enabled ? button.tone : Theme.secondaryText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: Theme.controlRadius
        color: button.down ? Qt.darker(button.tint, 1.08) : button.tint
        border.width: button.visualFocus ? 2 : 0
        border.color: button.tone
    }
}
