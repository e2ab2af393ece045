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
    signal activated()

    readonly property int shownSegment: currentIndex === 0 ? 0 : 1
    readonly property real segmentWidth: (width - 2 * inset) / 2
    readonly property real inset: 2

    function choose(segment) {
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

    Accessible.role: Accessible.Grouping
    Accessible.name: accessibleName
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

    component SegmentTitle: Text {
        required property int segment
        readonly property bool selected: selector.shownSegment === segment
        property string accessibleName

        objectName: selector.objectName + "_" + segment
        x: selector.inset + segment * selector.segmentWidth
        width: selector.segmentWidth
        height: selector.height
        font.pixelSize: Theme.bodyFontSize
        font.bold: selected
        color: selected ? Theme.text : Theme.secondaryText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter

        Accessible.role: Accessible.RadioButton
        Accessible.name: accessibleName
        Accessible.checkable: true
        Accessible.checked: selected
        Accessible.onPressAction: selector.choose(segment)
        Accessible.onToggleAction: selector.choose(segment)
        // A reader that focuses a segment focuses the selector: the keys work there.
        onActiveFocusChanged: if (activeFocus) selector.forceActiveFocus()
    }

    SegmentTitle {
        id: firstSegment
        segment: 0
        text: selector.firstTitle
    }
    SegmentTitle {
        id: secondSegment
        segment: 1
        text: selector.secondTitle
    }

    MouseArea {
        anchors.fill: parent
        onClicked: mouse => selector.choose(mouse.x < selector.width / 2 ? 0 : 1)
    }
}
