// A two-segment control: segment 0 is North or East, segment 1 South or West. Any index other
// than 0 shows the second segment, as it counts as South or West. A tap on the other segment
// changes the index and emits activated(), like a segmented control's value change.
import QtQuick
import QtQuick.Controls.Basic

Control {
    id: selector

    property int currentIndex: 0
    property string firstTitle
    property string secondTitle
    signal activated()

    function choose(index) {
        if (currentIndex === index)
            return
        currentIndex = index
        activated()
    }

    implicitWidth: 84
    implicitHeight: Theme.fieldHeight
    padding: 2

    background: Rectangle {
        radius: Theme.controlRadius + 2
        color: Theme.segmentBackground
    }

    contentItem: Row {
        Repeater {
            model: [selector.firstTitle, selector.secondTitle]

            delegate: AbstractButton {
                id: segment
                required property int index
                required property string modelData
                readonly property bool selected: index === 0 ? selector.currentIndex === 0
                                                             : selector.currentIndex !== 0

                objectName: selector.objectName + "_" + index
                width: selector.availableWidth / 2
                height: selector.availableHeight
                focusPolicy: Qt.TabFocus
                text: modelData
                checkable: false

                background: Rectangle {
                    radius: Theme.controlRadius
                    color: segment.selected ? Theme.segmentSelected : "transparent"
                    border.width: segment.visualFocus ? 2 : 0
                    border.color: Theme.accent
                }
                contentItem: Text {
                    text: segment.text
                    font.pixelSize: Theme.bodyFontSize
                    font.bold: segment.selected
                    color: segment.selected ? Theme.text : Theme.secondaryText
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                onClicked: selector.choose(index)
            }
        }
    }
}
