// A two-segment control: segment 0 is North or East, segment 1 South or West. Any index other
// than 0 shows the second segment, as it counts as South or West. A tap on the other segment
// changes the index and emits activated(), like a segmented control's value change; a tap
// leaves the keyboard focus where it is. From the keyboard the control is one Tab stop: Left
// and Right pick a segment, Space switches. A screen reader meets a radio group: the selector
// is the group, each segment a radio button that is checked while it is shown.
import QtQuick
import Quorvane.Main

Rectangle {
    id: selector

    property int currentIndex: 0
    property string firstTitle
    property string secondTitle
    // Spoken name of the group with the hemisphere it shows (the group, not a segment, has the
    // focus, so its name says the choice); MainScreen sets it, as it sets the segments' names.
    property string accessibleName
    readonly property int accessibleRole: Accessible.Grouping
    signal activated()

    readonly property int shownSegment: currentIndex === 0 ? 0 : 1
    readonly property real segmentWidth: (width - 2 * inset) / 2
    readonly property real inset: 2

    function choose(segment: int) {
        if (currentIndex === segment)
            return
        currentIndex = segment
        activated()
    }

    // Segments 44 pixels wide, a fingertip's width.
    implicitWidth: 92
    implicitHeight: Theme.fieldHeight
    radius: Theme.controlRadius + 2
    color: Theme.segmentBackground
    border.width: activeFocus ? 2 : 0
    border.color: Theme.accent
    activeFocusOnTab: true

    Keys.onLeftPressed: choose(0)
    Keys.onRightPressed: choose(1)
    Keys.onSpacePressed: choose(1 - shownSegment)

    // The selected segment's raised background.
    Rectangle {
        x: selector.inset + selector.shownSegment * selector.segmentWidth
        y: selector.inset
        width: selector.segmentWidth
        height: selector.height - 2 * selector.inset
        radius: Theme.controlRadius
        color: Theme.segmentSelected
    }

    // What both segments share; their place, state and actions are bound below, where the
    // selector's id is in scope (code compiled ahead of time reaches other objects only by id).
    // To a screen reader a radio button, checked while shown; its actions click it (see
    // reader_properties.h).
    component SegmentTitle: Text {
        property bool checked
        property string accessibleName
        readonly property int accessibleRole: Accessible.RadioButton
        signal clicked()

        font.pixelSize: Theme.bodyFontSize
        font.bold: checked
        color: checked ? Theme.text : Theme.secondaryText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    SegmentTitle {
        objectName: selector.objectName + "_0"
        x: selector.inset
        width: selector.segmentWidth
        height: selector.height
        text: selector.firstTitle
        checked: selector.shownSegment === 0
        onClicked: selector.choose(0)
        // A reader that focuses a segment focuses the selector: the keys work there.
        onActiveFocusChanged: if (activeFocus) selector.forceActiveFocus()
    }
    SegmentTitle {
        objectName: selector.objectName + "_1"
        x: selector.inset + selector.segmentWidth
        width: selector.segmentWidth
        height: selector.height
        text: selector.secondTitle
        checked: selector.shownSegment === 1
        onClicked: selector.choose(1)
        onActiveFocusChanged: if (activeFocus) selector.forceActiveFocus()
    }

    MouseArea {
        anchors.fill: parent
        onClicked: mouse => selector.choose(mouse.x < selector.width / 2 ? 0 : 1)
    }
}
