// A light button: a text (or a glyph) on a tinted, rounded background. A tap does not take the
// keyboard focus, so a field being edited stays so (as the copy and bar buttons need); Tab does
// reach it, and Space or Return then press it.
import QtQuick

Rectangle {
    id: button

    property alias text: label.text
    property alias font: label.font
    // A glyph shown larger than the text (the settings gear) is scaled up rather than set in a
    // size of its own: each font size costs a font match at start.
    property alias glyphScale: label.scale
    property color tone: Theme.accent
    property color tint: "transparent"
    readonly property bool down: area.pressed
    // What a screen reader says: the title unless the button sets a better name (a glyph's
    // meaning) or MainScreen sets one.
    property string accessibleName: text
    signal clicked()

    implicitWidth: Math.max(44, label.implicitWidth + 2 * 12)
    implicitHeight: 44
    radius: Theme.controlRadius
    color: down ? Qt.darker(tint.a > 0 ? tint : Theme.segmentBackground, 1.08) : tint
    border.width: activeFocus ? 2 : 0
    border.color: tone
    activeFocusOnTab: true

    // A button to a screen reader; its press action clicks (see reader_properties.h).
    readonly property int accessibleRole: Accessible.Button
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.pixelSize: Theme.bodyFontSize
        color: button.enabled ? (button.down ? Qt.darker(button.tone, 1.3) : button.tone)
                              : Theme.secondaryText
    }

    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
